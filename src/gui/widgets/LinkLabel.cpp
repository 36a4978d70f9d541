#include "gui/widgets/LinkLabel.h"

#include "core/DesktopServices.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <QStyleOptionFocusRect>

namespace zirn {

namespace {

class LinkAccessible : public QAccessibleWidget
{
public:
    explicit LinkAccessible(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            label()->activate();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    LinkLabel* label() const { return static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("zirn::LinkLabel") && object && object->isWidgetType())
        return new LinkAccessible(static_cast<LinkLabel*>(object));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::NoTextInteraction);
    // Reached by Tab, but a click opens the link without taking the focus from the field in use.
    setFocusPolicy(Qt::TabFocus);
    // Moves without a button pressed, so that the cursor follows the text's edges.
    setMouseTracking(true);
    // Underlined in both states, whatever text it is given; only the colour shows the state.
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    recolour();
    resetCursorRects(mapFromGlobal(QCursor::pos()));
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleFactory), true);
    Q_UNUSED(factoryInstalled)
}

void LinkLabel::setUrl(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (url.isValid() && !url.isRelative())
        m_url = url;
    else
        m_url.reset();
}

void LinkLabel::recolour()
{
    // Taken from the theme's palette each time, so that a switch between light and dark
    // follows; the colour lives in the palette, so text set later keeps it.
    const QPalette theme = QApplication::palette(this);
    const QColor colour = isEnabled() ? theme.color(QPalette::Active, QPalette::Link)
                                      : theme.color(QPalette::Disabled, QPalette::WindowText);
    QPalette colours = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        colours.setColor(group, QPalette::WindowText, colour);
    setPalette(colours);
}

QRect LinkLabel::textArea() const
{
    const QSize textSize = fontMetrics().size(Qt::TextSingleLine, text());
    return QStyle::alignedRect(layoutDirection(), alignment(), textSize, contentsRect());
}

void LinkLabel::resetCursorRects(QPointF at)
{
    if (isEnabled() && textArea().contains(at.toPoint()))
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void LinkLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    // EnabledChange comes also when the label follows its window or tab into the disabled state.
    if (event->type() == QEvent::EnabledChange)
        resetCursorRects(mapFromGlobal(QCursor::pos()));
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::ApplicationPaletteChange ||
        event->type() == QEvent::StyleChange)
        recolour();
}

bool LinkLabel::continuesClick(const QMouseEvent& press)
{
    const QStyleHints* hints = QGuiApplication::styleHints();
    const ulong interval = static_cast<ulong>(hints->mouseDoubleClickInterval());
    const bool continues =
        m_pressed && press.timestamp() >= m_lastPressTime &&
        press.timestamp() - m_lastPressTime <= interval &&
        (press.position() - m_lastPressPosition).manhattanLength() <= hints->mouseDoubleClickDistance();
    m_pressed = true;
    m_lastPressTime = press.timestamp();
    m_lastPressPosition = press.position();
    return continues;
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (!continuesClick(*event) && event->button() == Qt::LeftButton &&
        textArea().contains(event->position().toPoint()))
        activate();
}

void LinkLabel::activate()
{
    if (!isEnabled())
        return;
    if (m_url) {
        if (m_desktop)
            m_desktop->openUrl(*m_url);
        return;
    }
    emit linkClicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Select:
        event->accept();
        if (!event->isAutoRepeat())
            activate();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A label draws no focus of its own; frame the text as the style frames a focused button's.
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = textArea().adjusted(-2, -1, 2, 1).intersected(rect());
    option.backgroundColor = palette().color(backgroundRole());
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void LinkLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    continuesClick(*event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

void LinkLabel::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    resetCursorRects(event->position());
}

void LinkLabel::enterEvent(QEnterEvent* event)
{
    QLabel::enterEvent(event);
    resetCursorRects(event->position());
}

} // namespace zirn
