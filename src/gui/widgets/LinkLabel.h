#pragma once

#include <QLabel>
#include <QUrl>

#include <optional>

namespace zirn {

class DesktopServices;

// A label that looks and acts like a hyperlink: underlined, in the link colour while enabled
// and the disabled text colour otherwise (also when it is disabled with its window), with a
// pointing hand over its text only while enabled. A single click on the text opens its URL in
// the browser or, without URL, emits linkClicked. A double or triple click acts once; the
// space beside the text and a disabled label ignore clicks.
//
// From the keyboard the label is a Tab stop with a focus frame, and Enter or Space acts as a
// click; a screen reader sees a link named by its text, with a press action.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

    // Makes a URL from text; text that is no valid absolute URL stores none.
    void setUrl(const QString& text);

    // Where URLs are opened.
    void setDesktopServices(DesktopServices* desktop) { m_desktop = desktop; }

    // What a single click does: nothing while disabled, else open the URL or emit linkClicked.
    void activate();

signals:
    void linkClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Where the text is drawn: the part of the label that acts as the link.
    QRect textArea() const;
    // The pointing hand while enabled with at over the text; the ordinary cursor otherwise.
    void resetCursorRects(QPointF at);
    void recolour();
    // Whether press (of a button, or the second press of a double click) continues a
    // multiple click: soon after the last press and near it. Only a click's first press acts;
    // Qt reports the second press as a double click, but the third as a press again.
    bool continuesClick(const QMouseEvent& press);

    std::optional<QUrl> m_url;
    DesktopServices* m_desktop = nullptr;
    ulong m_lastPressTime = 0;
    QPointF m_lastPressPosition;
    bool m_pressed = false;
};

} // namespace zirn
