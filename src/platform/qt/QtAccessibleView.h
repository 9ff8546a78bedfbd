#pragma once
// What a screen reader sees of a QtWindowHost: the table or the text lines its
// window hands it (platform/Accessible.h), as Qt's accessible interfaces, which
// Qt carries to the desktop's accessibility bus. A host without either is an
// ordinary widget.
#include <QAccessibleWidget>
#include <map>
#include <utility>

#include "platform/Accessible.h"

namespace quorle::qt {

class QtWindowHost;

// Makes every QtWindowHost answer through QtAccessibleView. Called once
// before the first host is made; calling again does nothing.
void InstallAccessibleViews();

class QtAccessibleView : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit QtAccessibleView(QtWindowHost* host);
    ~QtAccessibleView() override;

    // The interface of a cell (row -1: the column's header; column -1: the
    // row's header), made on first use and kept while the view lives.
    QAccessibleInterface* Cell(int row, int column) const;
    // The cell is answered by a new object from now on (a reader then takes
    // its focus for news).
    void RenewCell(int row, int column);
    // The interface of text line i.
    QAccessibleInterface* Line(int index) const;

    const platform::AccessibleTable* Table() const;
    const platform::AccessibleText* Text() const;
    // The widget whose client coordinates the models give.
    const QWidget* Area() const;

    // QAccessibleInterface
    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    QtWindowHost* Host() const;

    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
    mutable std::map<int, QAccessible::Id> lines_;
};

}  // namespace quorle::qt
