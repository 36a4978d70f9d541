#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>

class QHBoxLayout;
class QToolButton;

namespace zirn {

// Shows a folder as its path components ("/ › home › alice › Desktop"), each a flat button.
// A click on a component, or Enter or Space on the focused one, emits clicked();
// clickedPathItem() then tells which folder it stands for. When the components do not fit,
// the leading ones give way to "…".
//
// The components are Tab stops in the control's place of the window's focus chain; focus
// given to the control itself (by its label's access key) goes on to the last component. A
// screen reader sees a group named by the control's label, whose value is the whole path,
// holding one button per component, named by its folder.
class PathControl : public QWidget
{
    Q_OBJECT

public:
    explicit PathControl(QWidget* parent = nullptr);

    // Shows the folder at path; an empty path shows nothing.
    void setFolder(const QString& path);
    // The folder shown, or empty text when none is.
    QString folder() const { return m_path; }

    // The folder of the component clicked last, if any.
    std::optional<QString> clickedPathItem() const { return m_clicked; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void rebuild();
    void fitToWidth();

    QString m_path;
    QStringList m_components;
    std::optional<QString> m_clicked;
    QHBoxLayout* m_layout;
    QList<QToolButton*> m_buttons;
    QList<QWidget*> m_separators;
    QToolButton* m_ellipsis;
};

} // namespace zirn
