#include "widgets/PathControl.h"

#include <QApplication>
#include <QDir>
#include <QFileIconProvider>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

namespace zirn {

PathControl::PathControl(QWidget* parent) : QWidget(parent), m_layout(new QHBoxLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_ellipsis = new QToolButton(this);
    m_ellipsis->setText(QStringLiteral("…"));
    m_ellipsis->setAutoRaise(true);
    m_ellipsis->setEnabled(false);
    m_ellipsis->hide();
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusPolicy(Qt::NoFocus);
}

void PathControl::setURL(const QString& path)
{
    m_path = path.isEmpty() ? QString() : QDir::cleanPath(path);
    m_components.clear();
    if (!m_path.isEmpty()) {
        QString current = m_path;
        for (;;) {
            m_components.prepend(current);
            const QString parentPath = QFileInfo(current).path();
            if (parentPath == current || current == QStringLiteral("/") || parentPath == QStringLiteral("."))
                break;
            current = parentPath;
        }
    }
    rebuild();
}

void PathControl::rebuild()
{
    for (QWidget* widget : m_buttons)
        delete widget;
    for (QWidget* widget : m_separators)
        delete widget;
    m_buttons.clear();
    m_separators.clear();
    while (m_layout->count() > 0)
        delete m_layout->takeAt(0);

    m_layout->addWidget(m_ellipsis);
    const QFileIconProvider icons;
    for (qsizetype i = 0; i < m_components.size(); ++i) {
        const QString folder = m_components[i];
        if (i > 0) {
            auto* separator = new QLabel(QStringLiteral("›"), this);
            separator->setForegroundRole(QPalette::PlaceholderText);
            m_separators.append(separator);
            m_layout->addWidget(separator);
        }
        auto* button = new QToolButton(this);
        const QString name = QFileInfo(folder).fileName();
        button->setText(name.isEmpty() ? folder : name);
        button->setToolTip(QDir::toNativeSeparators(folder));
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        if (i == m_components.size() - 1)
            button->setIcon(icons.icon(QFileIconProvider::Folder));
        button->setObjectName(QStringLiteral("pathComponent%1").arg(i));
        connect(button, &QToolButton::clicked, this, [this, folder] {
            m_clicked = folder;
            emit clicked();
        });
        m_buttons.append(button);
        m_layout->addWidget(button);
    }
    m_layout->addStretch(1);
    fitToWidth();
    updateGeometry();
}

void PathControl::fitToWidth()
{
    // Show as many trailing components as fit; the rest give way to "…".
    int available = width();
    int used = 0;
    qsizetype first = m_buttons.size();
    for (qsizetype i = m_buttons.size() - 1; i >= 0; --i) {
        const int need =
            m_buttons[i]->sizeHint().width() + (i > 0 ? m_separators[i - 1]->sizeHint().width() : 0);
        if (first < m_buttons.size() && used + need + m_ellipsis->sizeHint().width() > available)
            break;
        used += need;
        first = i;
    }
    for (qsizetype i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i]->setVisible(i >= first);
        if (i > 0)
            m_separators[i - 1]->setVisible(i > first);
    }
    m_ellipsis->setVisible(first > 0);
}

void PathControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitToWidth();
}

QSize PathControl::sizeHint() const
{
    int width = 0;
    int height = m_ellipsis->sizeHint().height();
    for (const QToolButton* button : m_buttons) {
        width += button->sizeHint().width();
        height = std::max(height, button->sizeHint().height());
    }
    for (const QWidget* separator : m_separators)
        width += separator->sizeHint().width();
    return {width, height};
}

QSize PathControl::minimumSizeHint() const
{
    const int last = m_buttons.isEmpty() ? 0 : m_buttons.last()->sizeHint().width();
    return {last + m_ellipsis->sizeHint().width(), sizeHint().height()};
}

} // namespace zirn
