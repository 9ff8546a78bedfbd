#pragma once
// What every accessible item without children of its own answers the same
// way: a view's line or cell, a menu's item. Its text is read, never set.
#include <QAccessibleInterface>

namespace quorle::qt {

class QtAccessibleLeaf : public QAccessibleInterface {
public:
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
};

}  // namespace quorle::qt
