#pragma once

#include <QLabel>
#include <QPointer>
#include <QUrl>

#include <optional>

namespace zirn {

class C_NSTextFieldWithLink;
class DesktopServices;

// What a delegate of a link label implements to hear about clicks on a label without URL.
class LinkClickedDelegate
{
public:
    virtual ~LinkClickedDelegate() = default;
    virtual void linkClicked(C_NSTextFieldWithLink* sender) = 0;
};

// A label that looks and acts like a hyperlink: underlined, in the link colour while enabled
// and the disabled text colour otherwise, with a pointing hand only while enabled. A single
// click opens its URL in the browser or, without URL, tells its delegate. Double clicks act
// once; a disabled label ignores clicks.
//
// The link styling is applied by setEnabled to the text the label holds at that moment:
// text set later with setStringValue keeps the colour but not the underline until the next
// setEnabled. Before any setEnabled the label takes the styling of its enabled state when it
// is first shown.
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
    const std::optional<QUrl>& pUrl() const { return m_url; }
    void setPUrl(const std::optional<QUrl>& url) { m_url = url; }

    void setDelegate(QObject* delegate) { m_delegate = delegate; }
    QObject* delegate() const { return m_delegate; }

    // Where URLs are opened.
    void setDesktopServices(DesktopServices* desktop) { m_desktop = desktop; }

    // Plain text, as the label shows it.
    void setStringValue(const QString& text);
    QString stringValue() const { return m_underlined ? m_text : QLabel::text(); }

    // Enables or disables the label and applies the link styling to its current text.
    void setEnabled(bool enabled);

    // Whether the current text carries the underline.
    bool isUnderlined() const { return m_underlined; }

    // What a single click does: nothing while disabled, else open the URL or tell the delegate.
    void activate();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void resetCursorRects();
    void applyStyle();
    void recolour();

    std::optional<QUrl> m_url;
    QPointer<QObject> m_delegate;
    DesktopServices* m_desktop = nullptr;
    QString m_text;
    bool m_underlined = false;
    bool m_styled = false;
};

} // namespace zirn
