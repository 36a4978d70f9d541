#pragma once

#include <QLabel>
#include <QUrl>

#include <optional>

namespace zirn {

class DesktopServices;

// A label that looks and acts like a hyperlink: underlined, in the link colour while enabled
// and the disabled text colour otherwise (also when it is disabled with its window), with a
// pointing hand only while enabled. A single click opens its URL in the browser or, without
// URL, emits linkClicked. Double clicks act once; a disabled label ignores clicks.
//
// From the keyboard the label is a Tab stop with a focus frame, and Enter or Space acts as a
// click; a screen reader sees a link named by its text, with a press action.
class C_NSTextFieldWithLink : public QLabel
{
    Q_OBJECT

public:
    explicit C_NSTextFieldWithLink(QWidget* parent = nullptr);

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
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void resetCursorRects();
    void recolour();

    std::optional<QUrl> m_url;
    DesktopServices* m_desktop = nullptr;
};

} // namespace zirn
