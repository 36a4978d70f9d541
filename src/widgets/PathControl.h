#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>

class QHBoxLayout;
class QToolButton;

namespace zirn {

// Shows a folder as its path components ("/ › home › alice › Desktop"), each a flat button.
// A click on a component emits clicked(); clickedPathItem() then tells which folder it
// stands for. When the components do not fit, the leading ones give way to "…".
class PathControl : public QWidget
{
    Q_OBJECT

public:
    explicit PathControl(QWidget* parent = nullptr);

    // Shows the folder at path; an empty path shows nothing.
    void setURL(const QString& path);
    // The folder shown, or empty text when none is.
    QString URL() const { return m_path; }

    // The folder of the component clicked last, if any.
    std::optional<QString> clickedPathItem() const { return m_clicked; }

    // The folders the components stand for, from the root down.
    QStringList componentPaths() const { return m_components; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

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
