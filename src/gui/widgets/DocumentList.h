#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>

class QPushButton;
class QTreeWidget;

namespace zirn {

// The documents that one Create joins into one PDF, in their order: each by its name, with its
// number of pages (none for one that cannot be read), and Up, Down and Remove for the selected
// one. Remove takes a document out of the PDF only; at least one stays. All of it works from the
// keyboard: the list is a Tab stop whose arrow keys select, the buttons have access keys, and
// screen readers hear what each button does.
class DocumentList : public QWidget
{
    Q_OBJECT

public:
    explicit DocumentList(QWidget* parent = nullptr);

    // Appends a document; path identifies it.
    void addDocument(const QString& path, const QString& name, std::optional<int> pages);
    // The paths listed, in order.
    QStringList paths() const;
    // Puts the list and its buttons into the window's Tab order right after previous (this widget
    // first, which hands the focus to its list).
    void followInTabOrder(QWidget* previous);

private:
    void move(int by);
    void remove();
    void updateButtons();

    QTreeWidget* m_list;
    QPushButton* m_up;
    QPushButton* m_down;
    QPushButton* m_remove;
};

} // namespace zirn
