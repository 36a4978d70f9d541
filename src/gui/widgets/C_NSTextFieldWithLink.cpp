#include "gui/widgets/C_NSTextFieldWithLink.h"

#include "core/DesktopServices.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace zirn {

namespace {

class LinkAccessible : public QAccessibleWidget
{
public:
    explicit LinkAccessible(C_NSTextFieldWithLink* label) : QAccessibleWidget(label, QAccessible::Link) {}

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
    C_NSTextFieldWithLink* label() const { return static_cast<C_NSTextFieldWithLink*>(widget()); }
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("zirn::C_NSTextFieldWithLink") && object && object->isWidgetType())
        return new LinkAccessible(static_cast<C_NSTextFieldWithLink*>(object));
    return nullptr;
}

} // namespace

C_NSTextFieldWithLink::C_NSTextFieldWithLink(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::NoTextInteraction);
    // Reached by Tab, but a click opens the link without taking the focus from the field in use.
    setFocusPolicy(Qt::TabFocus);
    // Underlined in both states, whatever text it is given; only the colour shows the state.
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    recolour();
    resetCursorRects();
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleFactory), true);
    Q_UNUSED(factoryInstalled)
}

void C_NSTextFieldWithLink::setUrl(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (url.isValid() && !url.isRelative())
        m_url = url;
    else
        m_url.reset();
}

void C_NSTextFieldWithLink::recolour()
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

void C_NSTextFieldWithLink::resetCursorRects()
{
    if (isEnabled())
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void C_NSTextFieldWithLink::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    // EnabledChange comes also when the label follows its window or tab into the disabled state.
    if (event->type() == QEvent::EnabledChange)
        resetCursorRects();
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::ApplicationPaletteChange ||
        event->type() == QEvent::StyleChange)
        recolour();
}

void C_NSTextFieldWithLink::mousePressEvent(QMouseEvent* event)
{
    // The second press of a double click arrives as mouseDoubleClickEvent and is ignored.
    event->accept();
    if (event->button() == Qt::LeftButton)
        activate();
}

void C_NSTextFieldWithLink::activate()
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

void C_NSTextFieldWithLink::keyPressEvent(QKeyEvent* event)
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

void C_NSTextFieldWithLink::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A label draws no focus of its own; frame the text as the style frames a focused button's.
    QStyleOptionFocusRect option;
    option.initFrom(this);
    const QSize textSize = fontMetrics().size(Qt::TextSingleLine, text());
    option.rect = QStyle::alignedRect(layoutDirection(), alignment(), textSize, contentsRect())
                      .adjusted(-2, -1, 2, 1)
                      .intersected(rect());
    option.backgroundColor = palette().color(backgroundRole());
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void C_NSTextFieldWithLink::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

void C_NSTextFieldWithLink::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

void C_NSTextFieldWithLink::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
}

} // namespace zirn
