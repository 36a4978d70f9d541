#include "widgets/C_NSTextFieldWithLink.h"

#include "platform/DesktopServices.h"

#include <QApplication>
#include <QMouseEvent>

namespace zirn {

C_NSTextFieldWithLink::C_NSTextFieldWithLink(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::NoTextInteraction);
}

void C_NSTextFieldWithLink::setUrl(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (url.isValid() && !url.isRelative())
        m_url = url;
    else
        m_url.reset();
}

void C_NSTextFieldWithLink::setStringValue(const QString& text)
{
    m_text = text;
    m_underlined = false;
    setTextFormat(Qt::PlainText);
    QLabel::setText(text);
}

void C_NSTextFieldWithLink::setEnabled(bool enabled)
{
    QLabel::setEnabled(enabled);
    resetCursorRects();
    applyStyle();
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

void C_NSTextFieldWithLink::applyStyle()
{
    m_styled = true;
    recolour();
    // The underline belongs to the text it is applied to: what the label shows now.
    if (!m_underlined)
        m_text = QLabel::text();
    setTextFormat(Qt::RichText);
    QLabel::setText(QStringLiteral("<u>%1</u>").arg(m_text.toHtmlEscaped()));
    m_underlined = true;
}

void C_NSTextFieldWithLink::resetCursorRects()
{
    if (isEnabled())
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void C_NSTextFieldWithLink::showEvent(QShowEvent* event)
{
    if (!m_styled) {
        resetCursorRects();
        applyStyle();
    }
    QLabel::showEvent(event);
}

void C_NSTextFieldWithLink::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (m_styled &&
        (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::StyleChange))
        recolour();
}

void C_NSTextFieldWithLink::mousePressEvent(QMouseEvent* event)
{
    // The second press of a double click arrives as mouseDoubleClickEvent and is ignored.
    event->accept();
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    if (m_url) {
        if (m_desktop)
            m_desktop->openUrl(*m_url);
        return;
    }
    if (auto* receiver = dynamic_cast<LinkClickedDelegate*>(m_delegate.data()))
        receiver->linkClicked(this);
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
