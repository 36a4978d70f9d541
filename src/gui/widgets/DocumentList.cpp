#include "gui/widgets/DocumentList.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zirn {

DocumentList::DocumentList(QWidget* parent)
    : QWidget(parent), m_list(new QTreeWidget(this)),
      m_up(new QPushButton(QCoreApplication::translate("MainWindow", "&Up"), this)),
      m_down(new QPushButton(QCoreApplication::translate("MainWindow", "&Down"), this)),
      m_remove(new QPushButton(QCoreApplication::translate("MainWindow", "&Remove"), this))
{
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({QCoreApplication::translate("MainWindow", "Document"),
                             QCoreApplication::translate("MainWindow", "Pages")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_list->setAccessibleName(QCoreApplication::translate("MainWindow", "Documents in this PDF"));
    m_up->setAccessibleName(QCoreApplication::translate("MainWindow", "Move the document up"));
    m_down->setAccessibleName(QCoreApplication::translate("MainWindow", "Move the document down"));
    m_remove->setAccessibleName(
        QCoreApplication::translate("MainWindow", "Remove the document from this PDF"));
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {m_up, m_down, m_remove}) {
        // Return in the window means Create, never a button of the list.
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    setFocusProxy(m_list);

    connect(m_up, &QPushButton::clicked, this, [this] { move(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { move(1); });
    connect(m_remove, &QPushButton::clicked, this, &DocumentList::remove);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &DocumentList::updateButtons);
    updateButtons();
}

void DocumentList::addDocument(const QString& path, const QString& name, std::optional<int> pages)
{
    auto* item =
        new QTreeWidgetItem(m_list, {name, pages ? QString::number(*pages)
                                                 : QCoreApplication::translate("MainWindow", "unreadable")});
    item->setData(0, Qt::UserRole, path);
    item->setToolTip(0, path);
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    if (!m_list->currentItem())
        m_list->setCurrentItem(item);
    updateButtons();
}

QStringList DocumentList::paths() const
{
    QStringList result;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        result.append(m_list->topLevelItem(i)->data(0, Qt::UserRole).toString());
    return result;
}

void DocumentList::followInTabOrder(QWidget* previous)
{
    for (QWidget* control : std::initializer_list<QWidget*>{this, m_list, m_up, m_down, m_remove}) {
        QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void DocumentList::move(int by)
{
    const int from = m_list->indexOfTopLevelItem(m_list->currentItem()), to = from + by;
    if (from < 0 || to < 0 || to >= m_list->topLevelItemCount())
        return;
    QTreeWidgetItem* item = m_list->takeTopLevelItem(from);
    m_list->insertTopLevelItem(to, item);
    m_list->setCurrentItem(item);
    updateButtons();
}

void DocumentList::remove()
{
    if (m_list->topLevelItemCount() > 1)
        delete m_list->currentItem();
    updateButtons();
}

void DocumentList::updateButtons()
{
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem()), count = m_list->topLevelItemCount();
    // A button that the focus leaves as it goes grey hands it to the list.
    const bool hadFocus = m_up->hasFocus() || m_down->hasFocus() || m_remove->hasFocus();
    m_up->setEnabled(row > 0);
    m_down->setEnabled(row >= 0 && row < count - 1);
    m_remove->setEnabled(row >= 0 && count > 1);
    if (hadFocus && !(m_up->hasFocus() || m_down->hasFocus() || m_remove->hasFocus()))
        m_list->setFocus(Qt::OtherFocusReason);
}

} // namespace zirn
