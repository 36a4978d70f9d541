#include "gui/widgets/PathControl.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDir>
#include <QFileIconProvider>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

namespace zirn {

namespace {

// A component acts on Enter as on a click, like the buttons of a dialog (Space it knows).
class ComponentButton : public QToolButton
{
public:
    using QToolButton::QToolButton;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
            event->accept();
            click();
            return;
        }
        QToolButton::keyPressEvent(event);
    }
};

// The whole folder as the value of the group (and as its description, which AT-SPI carries
// where it has no place for a text value), so that a screen reader need not piece it together
// from the components.
class PathControlAccessible : public QAccessibleWidget
{
public:
    explicit PathControlAccessible(PathControl* control) : QAccessibleWidget(control, QAccessible::Grouping)
    {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value || kind == QAccessible::Description)
            return QDir::toNativeSeparators(static_cast<const PathControl*>(widget())->folder());
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("zirn::PathControl") && object && object->isWidgetType())
        return new PathControlAccessible(static_cast<PathControl*>(object));
    return nullptr;
}

} // namespace

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
    // Not a Tab stop itself (its components are), but its label's access key can focus it.
    setFocusPolicy(Qt::ClickFocus);
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleFactory), true);
    Q_UNUSED(factoryInstalled)
}

void PathControl::setFolder(const QString& path)
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
        auto* button = new ComponentButton(this);
        const QString name = QFileInfo(folder).fileName();
        // Shown as it is: a "&" in a folder's name is no access key.
        button->setText(QString(name.isEmpty() ? folder : name).replace(u'&', QStringLiteral("&&")));
        button->setToolTip(QDir::toNativeSeparators(folder));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::TabFocus); // styles may leave tool buttons out of the Tab chain
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
    // New buttons join the end of the window's focus chain; Tab must meet them where they are shown.
    QWidget* previous = this;
    for (QToolButton* button : std::as_const(m_buttons)) {
        QWidget::setTabOrder(previous, button);
        previous = button;
    }
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

void PathControl::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    for (qsizetype i = m_buttons.size() - 1; i >= 0; --i) {
        if (m_buttons[i]->isVisible()) {
            m_buttons[i]->setFocus(event->reason());
            return;
        }
    }
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
