#include "platform/qt/QtAccessibleList.h"

#include <QPointer>

#include "platform/qt/QtAccessibleLeaf.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtWindowHost.h"

namespace quorle::qt {
namespace {

constexpr const char* kListProperty = "quorleReadAsList";

QAccessibleInterface* ListFactory(const QString&, QObject* object) {
    if (!object || !object->property(kListProperty).toBool()) return nullptr;
    if (auto* view = dynamic_cast<QtWindowHost*>(object)) return new QtAccessibleList(view);
    return nullptr;
}

// One line of the list. It asks the window's model at every question, so it
// never shows an old text or place.
class QtAccessibleListItem : public QtAccessibleLeaf {
public:
    QtAccessibleListItem(QtAccessibleList* list, QWidget* view, int index) : list_(list), view_(view), index_(index) {}

    bool isValid() const override {
        const platform::AccessibleText* text = view_ ? list_->Text() : nullptr;
        return text && index_ < static_cast<int>(text->Lines().size());
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_->window(); }
    QAccessibleInterface* parent() const override { return list_; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid()) return {};
        return FromCp1252(list_->Text()->Lines()[static_cast<std::size_t>(index_)]);
    }
    QRect rect() const override {
        if (!isValid()) return {};
        const auto r = list_->Text()->LineRect(index_);
        if (!r) return {};
        return QRect(list_->Area()->mapToGlobal(QPoint(r->left, r->top)), QSize(r->Width(), r->Height()));
    }
    bool IsCurrent() const {
        const auto focused = isValid() ? list_->Text()->FocusedLine() : std::nullopt;
        return focused && *focused == index_;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.readOnly = true;
        const bool walked = list_->Text()->FocusedLine().has_value();
        state.focusable = walked;
        state.selectable = walked;
        state.selected = IsCurrent();
        state.focused = IsCurrent() && view_->hasFocus();
        // A line outside the view is there, but not on the screen.
        const auto r = list_->Text()->LineRect(index_);
        const QRect shown = list_->Area()->rect();
        if (r && !shown.intersects(QRect(r->left, r->top, r->Width(), r->Height()))) state.offscreen = true;
        return state;
    }

private:
    QtAccessibleList* list_;
    QPointer<QWidget> view_;
    int index_;
};

}  // namespace

void ReadViewAsList(QtWindowHost* view) {
    static bool installed = false;
    if (!installed) {
        installed = true;
        // Asked before the views' own factory (the one installed last is asked first).
        QAccessible::installFactory(ListFactory);
    }
    view->setProperty(kListProperty, true);
    // A view asked about before it was marked answers as a list from now on.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(view);
    if (made && !dynamic_cast<QtAccessibleList*>(made)) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void ReadViewAsTable(QtWindowHost* view) {
    if (!view->property(kListProperty).toBool()) return;
    view->setProperty(kListProperty, false);
    // A view asked about as a list answers as a table from now on.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(view);
    if (made && dynamic_cast<QtAccessibleList*>(made)) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void AnnounceFocusedLine(QtWindowHost* view) {
    if (!QAccessible::isActive() || !view->hasFocus()) return;
    auto* list = dynamic_cast<QtAccessibleList*>(QAccessible::queryAccessibleInterface(view));
    QAccessibleInterface* item = list ? list->focusChild() : nullptr;
    if (!item) return;
    QAccessibleEvent focus(item, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent selected(item, changed);
    QAccessible::updateAccessibility(&selected);
}

QtAccessibleList::QtAccessibleList(QtWindowHost* view) : QAccessibleWidget(view, QAccessible::List) {}

QtAccessibleList::~QtAccessibleList() {
    for (const auto& [index, id] : items_) QAccessible::deleteAccessibleInterface(id);
}

QtWindowHost* QtAccessibleList::View() const { return static_cast<QtWindowHost*>(widget()); }

const QWidget* QtAccessibleList::Area() const { return View()->viewport(); }

const platform::AccessibleText* QtAccessibleList::Text() const {
    return View() ? View()->AccessibleTextModel() : nullptr;
}

QAccessibleInterface* QtAccessibleList::Item(int index) const {
    const auto it = items_.find(index);
    if (it != items_.end()) return QAccessible::accessibleInterface(it->second);
    auto* item = new QtAccessibleListItem(const_cast<QtAccessibleList*>(this), widget(), index);
    items_[index] = QAccessible::registerAccessibleInterface(item);
    return item;
}

QAccessible::Role QtAccessibleList::role() const { return Text() ? QAccessible::List : QAccessible::Client; }

QString QtAccessibleList::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && Text()) return widget()->window()->windowTitle();
    if (t == QAccessible::Description)
        if (const auto* text = Text()) return FromCp1252(text->Description());
    return QAccessibleWidget::text(t);
}

int QtAccessibleList::childCount() const {
    const auto* text = Text();
    return text ? static_cast<int>(text->Lines().size()) : 0;
}

QAccessibleInterface* QtAccessibleList::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    return Item(index);
}

int QtAccessibleList::indexOfChild(const QAccessibleInterface* child) const {
    for (const auto& [index, id] : items_)
        if (QAccessible::accessibleInterface(id) == child) return index < childCount() ? index : -1;
    return -1;
}

QAccessibleInterface* QtAccessibleList::childAt(int x, int y) const {
    const auto* text = Text();
    if (!text) return nullptr;
    const QPoint at = Area()->mapFromGlobal(QPoint(x, y));
    const int count = childCount();
    for (int i = 0; i < count; ++i)
        if (const auto r = text->LineRect(i); r && QRect(r->left, r->top, r->Width(), r->Height()).contains(at))
            return Item(i);
    return nullptr;
}

QAccessibleInterface* QtAccessibleList::focusChild() const {
    const auto* text = Text();
    const auto focused = text ? text->FocusedLine() : std::nullopt;
    if (!focused || *focused < 0 || *focused >= childCount()) return nullptr;
    return Item(*focused);
}

}  // namespace quorle::qt
