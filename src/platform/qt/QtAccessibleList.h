#pragma once
// What a screen reader sees of the view of a top-level window (the seating
// chart, the class picture, the assignment grid): the lines its window hands
// it (platform/Accessible.h) as a list, one item per line, each where its part
// of the picture is drawn; the item the keyboard is on is the focused one.
#include <QAccessibleWidget>
#include <map>

#include "platform/Accessible.h"

namespace quorle::qt {

class QtWindowHost;

// Makes a view read as a list of its window's lines. Call once per view,
// before it is shown.
void ReadViewAsList(QtWindowHost* view);

// Makes a view read as the table its window hands it (a QtAccessibleView),
// not as a list: for a top-level window whose content is a table.
void ReadViewAsTable(QtWindowHost* view);

// Tells a screen reader that the keyboard is on the view's focused line
// (when the view has the keyboard).
void AnnounceFocusedLine(QtWindowHost* view);

class QtAccessibleList : public QAccessibleWidget {
public:
    explicit QtAccessibleList(QtWindowHost* view);
    ~QtAccessibleList() override;

    // The interface of line i, made on first use and kept while the list lives.
    QAccessibleInterface* Item(int index) const;
    const platform::AccessibleText* Text() const;
    const QWidget* Area() const;

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    QtWindowHost* View() const;

    mutable std::map<int, QAccessible::Id> items_;
};

}  // namespace quorle::qt
