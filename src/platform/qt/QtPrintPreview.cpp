#include "platform/qt/QtPrintPreview.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/qt/QtPrint.h"

namespace quorle::qt {

using platform::DeviceCap;

platform::Size PrinterMeasures::Measure(const std::optional<platform::FontSpec>& font, std::string_view text) {
    auto [entry, made] = fonts_.try_emplace(font ? QtCanvas::FontKey(*font) : std::string());
    if (made) entry->second.font = font ? QtCanvas::MakeFont(*font) : QFont();
    return entry->second.extents.Measure(entry->second.font, &printer_, text);
}

namespace {

// The device a walk of the document draws on: it counts the sheets, keeps the
// drawing of the one it wants, and ends the walk once that sheet is done. The
// others only measure, on the printer, as the printer's pages would.
class PreviewDevice : public platform::PrintDevice {
public:
    // wanted 0: only count.
    PreviewDevice(PrinterMeasures& measures, int wanted, PageDrawing* page)
        : measures_(measures), wanted_(wanted), page_(page) {}

    int Sheets() const { return sheets_; }

    int StartDoc(std::string_view) override {
        sheets_ = 0;
        return 1;
    }
    int StartPage() override {
        ++sheets_;
        drawing_ = sheets_ == wanted_ && page_ != nullptr;
        // The sheet begins in the state the sheets before left.
        if (drawing_) {
            if (font_) Add(PageDrawing::Kind::Font, FontIndex(*font_));
            if (color_) Add(PageDrawing::Kind::Color, 0, 0, 0, 0, 0, *color_);
            if (transparent_) Add(PageDrawing::Kind::Transparent);
        }
        return 1;
    }
    int EndPage() override {
        if (drawing_) done_ = true;
        drawing_ = false;
        return 1;
    }
    int EndDoc() override { return 1; }
    int SetCopyCount(int) override { return 1; }
    bool Continue(int, int) override { return !done_; }

    void SelectFont(const platform::FontSpec& font) override {
        font_ = font;
        if (drawing_) Add(PageDrawing::Kind::Font, FontIndex(font));
    }
    void RestoreFont() override {
        font_.reset();
        if (drawing_) Add(PageDrawing::Kind::DefaultFont);
    }
    platform::Size TextExtent(std::string_view text) override { return measures_.Measure(font_, text); }
    void TextOut(int x, int y, std::string_view text) override {
        if (!drawing_) return;
        page_->texts.emplace_back(text);
        // Where the text stands, for reading the page line by line.
        const platform::Size size = measures_.Measure(font_, text);
        runs_.push_back(Run{x, y, size.cx, size.cy, page_->texts.size() - 1});
        Add(PageDrawing::Kind::Text, page_->texts.size() - 1, x, y);
    }
    void SetTextColor(platform::Color color) override {
        color_ = color;
        if (drawing_) Add(PageDrawing::Kind::Color, 0, 0, 0, 0, 0, color);
    }
    void SetDefaultTextColor() override {
        color_.reset();
        if (drawing_) Add(PageDrawing::Kind::DefaultColor);
    }
    void SetBackgroundTransparent(bool transparent) override {
        transparent_ = transparent;
        if (drawing_) Add(transparent ? PageDrawing::Kind::Transparent : PageDrawing::Kind::Opaque);
    }
    void Line(int x1, int y1, int x2, int y2, int penWidth) override {
        if (drawing_) Add(PageDrawing::Kind::Line, 0, x1, y1, x2, y2, {}, penWidth);
    }
    void Rectangle(const platform::Rect& rect, int penWidth) override {
        if (drawing_) Add(PageDrawing::Kind::Box, 0, rect.left, rect.top, rect.right, rect.bottom, {}, penWidth);
    }
    int DeviceCaps(DeviceCap cap) const override { return DeviceCapOf(measures_.Printer(), cap); }

    // The page's texts as lines: texts whose tops lie within half a line of
    // the line's first are one line, read left to right.
    void ReadLines() {
        if (page_ == nullptr) return;
        std::stable_sort(runs_.begin(), runs_.end(),
                         [](const Run& a, const Run& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
        for (std::size_t start = 0; start < runs_.size();) {
            const Run& first = runs_[start];
            std::size_t end = start + 1;
            while (end < runs_.size() && runs_[end].y < first.y + std::max(1, first.height / 2)) ++end;
            std::sort(runs_.begin() + static_cast<std::ptrdiff_t>(start), runs_.begin() + static_cast<std::ptrdiff_t>(end),
                      [](const Run& a, const Run& b) { return a.x < b.x; });
            PageDrawing::Line line;
            int left = first.x, right = first.x, bottom = first.y;
            for (std::size_t i = start; i < end; ++i) {
                const Run& run = runs_[i];
                // Runs of spaces (the columns' padding) read as one.
                for (const char c : page_->texts[run.text]) {
                    const bool space = c == ' ' || c == '\t';
                    if (space && (line.text.empty() || line.text.back() == ' ')) continue;
                    line.text += space ? ' ' : c;
                }
                if (!line.text.empty() && line.text.back() != ' ') line.text += ' ';
                left = std::min(left, run.x);
                right = std::max(right, run.x + run.width);
                bottom = std::max(bottom, run.y + run.height);
            }
            while (!line.text.empty() && line.text.back() == ' ') line.text.pop_back();
            line.place = QRect(QPoint(left, first.y), QPoint(right, bottom));
            if (!line.text.empty()) page_->lines.push_back(std::move(line));
            start = end;
        }
    }

private:
    struct Run {
        int x, y, width, height;
        std::size_t text;
    };
    std::size_t FontIndex(const platform::FontSpec& font) {
        page_->fonts.push_back(font);
        return page_->fonts.size() - 1;
    }
    void Add(PageDrawing::Kind kind, std::size_t index = 0, int x1 = 0, int y1 = 0, int x2 = 0, int y2 = 0,
             platform::Color color = {}, int pen = 0) {
        page_->steps.push_back(PageDrawing::Step{kind, x1, y1, x2, y2, pen, index, color});
    }

    PrinterMeasures& measures_;
    int wanted_;
    PageDrawing* page_;
    int sheets_ = 0;
    bool drawing_ = false;
    bool done_ = false;
    std::optional<platform::FontSpec> font_;
    std::optional<platform::Color> color_;
    bool transparent_ = false;
    std::vector<Run> runs_;
};

}  // namespace

void PageDrawing::Paint(QPainter& painter, platform::Size deviceSize, int dpi, const QRect& visible) const {
    QFont standard;  // the device's own font, at its size on the printer's page
    standard.setPixelSize(std::max(1, static_cast<int>(std::lround(standard.pointSizeF() * dpi / 72))));
    QtCanvas canvas(painter, standard, deviceSize, 0, 0);
    canvas.RestoreFont();
    int reach = standard.pixelSize() * 2;  // below a text's top, where its letters may still be
    for (const Step& step : steps) {
        switch (step.kind) {
            case Kind::Font:
                canvas.SelectFont(fonts[step.index]);
                reach = std::max(1, std::abs(fonts[step.index].height)) * 2;
                break;
            case Kind::DefaultFont:
                canvas.RestoreFont();
                reach = standard.pixelSize() * 2;
                break;
            case Kind::Text:
                if (step.y1 > visible.bottom() || step.y1 + reach < visible.top()) break;
                if (!canvas.TextOutFixedPitch(step.x1, step.y1, texts[step.index]))
                    canvas.TextOut(step.x1, step.y1, texts[step.index]);
                break;
            case Kind::Color: canvas.SetTextColor(step.color); break;
            case Kind::DefaultColor: canvas.SetDefaultTextColor(); break;
            case Kind::Transparent: canvas.SetBackgroundTransparent(true); break;
            case Kind::Opaque: canvas.SetBackgroundTransparent(false); break;
            case Kind::Line: canvas.Line(step.x1, step.y1, step.x2, step.y2, step.pen); break;
            case Kind::Box: canvas.Rectangle(platform::Rect{step.x1, step.y1, step.x2, step.y2}, step.pen); break;
        }
    }
}

PreviewPages::PreviewPages(QPrinter& printer, std::function<void(platform::PrintDevice&)> render)
    : measures_(printer), render_(std::move(render)) {}

int PreviewPages::Count() {
    if (!count_) {
        PreviewDevice device(measures_, 0, nullptr);
        render_(device);
        count_ = device.Sheets();
    }
    return *count_;
}

std::shared_ptr<const PageDrawing> PreviewPages::Page(int number) {
    constexpr std::size_t kPagesKept = 3;
    for (auto it = kept_.begin(); it != kept_.end(); ++it) {
        if (it->first != number) continue;
        kept_.splice(kept_.begin(), kept_, it);
        return kept_.front().second;
    }
    auto page = std::make_shared<PageDrawing>();
    PreviewDevice device(measures_, number, page.get());
    render_(device);
    device.ReadLines();
    kept_.emplace_front(number, page);
    if (kept_.size() > kPagesKept) kept_.pop_back();
    return page;
}

namespace {

// The page shown: the paper at the zoom chosen, drawn from the page's
// drawing. For a screen reader it is read-only text, the page's lines, with a
// reading line that Up and Down move (the view follows it).
class PageView : public QAbstractScrollArea {
public:
    PageView(QPrinter& printer, QWidget* parent) : QAbstractScrollArea(parent), printer_(printer) {
        setObjectName(QStringLiteral("PreviewPage"));
        setFocusPolicy(Qt::StrongFocus);
        viewport()->setBackgroundRole(QPalette::Dark);
        viewport()->setAutoFillBackground(true);
        const QPageLayout layout = printer.pageLayout();
        paper_ = layout.fullRectPixels(printer.resolution());
        printable_ = layout.paintRectPixels(printer.resolution());
    }

    enum class Fit { Width, Page, None };

    void Show(std::shared_ptr<const PageDrawing> page, QString name) {
        const QString before = Text();
        page_ = std::move(page);
        name_ = std::move(name);
        line_ = 0;
        verticalScrollBar()->setValue(0);
        viewport()->update();
        if (QAccessible::isActive()) {
            QAccessibleEvent named(this, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&named);
            QAccessibleTextUpdateEvent changed(this, 0, before, Text());
            QAccessible::updateAccessibility(&changed);
            QAccessibleTextCursorEvent moved(this, 0);
            QAccessible::updateAccessibility(&moved);
        }
    }
    void SetFit(Fit fit) {
        fit_ = fit;
        Layout();
    }
    void Zoom(double factor) {
        fit_ = Fit::None;
        scale_ = std::clamp(scale_ * factor, FitWidthScale() / 4, FitWidthScale() * 8);
        Layout();
    }

    const QString& Name() const { return name_; }
    QString Text() const {
        QStringList lines;
        if (page_)
            for (const PageDrawing::Line& line : page_->lines) lines << FromCp1252(line.text);
        return lines.join(QLatin1Char('\n'));
    }
    int LineCount() const { return page_ ? static_cast<int>(page_->lines.size()) : 0; }
    // The offset in Text() where line i starts.
    int LineStart(int line) const {
        int offset = 0;
        for (int i = 0; i < line && i < LineCount(); ++i)
            offset += static_cast<int>(page_->lines[static_cast<std::size_t>(i)].text.size()) + 1;
        return offset;
    }
    int LineAt(int offset) const {
        int line = 0;
        while (line + 1 < LineCount() && LineStart(line + 1) <= offset) ++line;
        return line;
    }
    int Cursor() const { return LineStart(line_); }
    void SetCursor(int offset) { MoveTo(LineAt(offset)); }
    // Where a line stands on screen.
    QRect LineRect(int line) const {
        if (line < 0 || line >= LineCount()) return {};
        const QRect place = page_->lines[static_cast<std::size_t>(line)].place;
        const QPointF origin = PageOrigin();
        return QRectF(origin.x() + place.left() * scale_, origin.y() + place.top() * scale_, place.width() * scale_,
                      place.height() * scale_)
            .toAlignedRect()
            .translated(viewport()->mapTo(this, QPoint(0, 0)));
    }
    void MoveTo(int line) {
        if (LineCount() == 0) return;
        line_ = std::clamp(line, 0, LineCount() - 1);
        const QRect place = LineRect(line_).translated(-viewport()->mapTo(this, QPoint(0, 0)));
        if (place.top() < 0 || place.bottom() > viewport()->height())
            verticalScrollBar()->setValue(verticalScrollBar()->value() + place.center().y() - viewport()->height() / 2);
        viewport()->update();
        if (QAccessible::isActive()) {
            QAccessibleTextCursorEvent moved(this, Cursor());
            QAccessible::updateAccessibility(&moved);
        }
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QAbstractScrollArea::resizeEvent(event);
        Layout();
    }
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
            case Qt::Key_Up: MoveTo(line_ - 1); return;
            case Qt::Key_Down: MoveTo(line_ + 1); return;
            case Qt::Key_Home:
                if (event->modifiers() == Qt::NoModifier) MoveTo(0);
                return;
            case Qt::Key_End:
                if (event->modifiers() == Qt::NoModifier) MoveTo(LineCount() - 1);
                return;
            default: QAbstractScrollArea::keyPressEvent(event);
        }
    }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(viewport());
        const QPointF origin = PageOrigin();
        const QRectF paper(origin.x() - printable_.left() * scale_, origin.y() - printable_.top() * scale_,
                           paper_.width() * scale_, paper_.height() * scale_);
        painter.fillRect(paper.translated(3, 3), QColor(0, 0, 0, 90));
        painter.fillRect(paper, Qt::white);
        if (!page_) return;
        // The reading line, lightly marked while the page has the keyboard.
        if (hasFocus() && LineCount() > 0) {
            const QRect line = LineRect(line_).translated(-viewport()->mapTo(this, QPoint(0, 0)));
            painter.fillRect(line.adjusted(-2, -1, 2, 1), palette().color(QPalette::Highlight).lighter(170));
        }
        painter.setClipRect(paper);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setPen(Qt::black);  // ink on paper, whatever the window's colours
        painter.translate(origin);
        painter.scale(scale_, scale_);
        const QRect visible = QRectF(-origin.x() / scale_, -origin.y() / scale_, viewport()->width() / scale_,
                                     viewport()->height() / scale_)
                                  .toAlignedRect();
        page_->Paint(painter, platform::Size{printable_.width(), printable_.height()}, printer_.resolution(), visible);
    }
    void focusInEvent(QFocusEvent* event) override {
        QAbstractScrollArea::focusInEvent(event);
        viewport()->update();
    }
    void focusOutEvent(QFocusEvent* event) override {
        QAbstractScrollArea::focusOutEvent(event);
        viewport()->update();
    }

private:
    static constexpr int kMargin = 12;

    double FitWidthScale() const {
        return std::max(0.001, double(viewport()->width() - 2 * kMargin) / std::max(1, paper_.width()));
    }
    void Layout() {
        if (fit_ == Fit::Width) scale_ = FitWidthScale();
        if (fit_ == Fit::Page)
            scale_ = std::min(FitWidthScale(),
                              std::max(0.001, double(viewport()->height() - 2 * kMargin) / std::max(1, paper_.height())));
        const int width = static_cast<int>(paper_.width() * scale_) + 2 * kMargin;
        const int height = static_cast<int>(paper_.height() * scale_) + 2 * kMargin;
        horizontalScrollBar()->setRange(0, std::max(0, width - viewport()->width()));
        horizontalScrollBar()->setPageStep(viewport()->width());
        verticalScrollBar()->setRange(0, std::max(0, height - viewport()->height()));
        verticalScrollBar()->setPageStep(viewport()->height());
        verticalScrollBar()->setSingleStep(std::max(1, viewport()->height() / 20));
        viewport()->update();
    }
    // Where the printable area's corner is in the viewport.
    QPointF PageOrigin() const {
        const double paperWidth = paper_.width() * scale_;
        const double left = paperWidth + 2 * kMargin < viewport()->width() ? (viewport()->width() - paperWidth) / 2
                                                                          : kMargin - horizontalScrollBar()->value();
        return QPointF(left + printable_.left() * scale_,
                       kMargin - verticalScrollBar()->value() + printable_.top() * scale_);
    }

    QPrinter& printer_;
    QRect paper_;
    QRect printable_;
    Fit fit_ = Fit::Width;
    double scale_ = 0.1;
    std::shared_ptr<const PageDrawing> page_;
    QString name_;
    int line_ = 0;
};

// The page as a screen reader reads it: read-only text of many lines.
class PageAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PageAccessible(PageView* view) : QAccessibleWidget(view, QAccessible::EditableText) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.editable = false;
        return state;
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return View()->Name();
        if (kind == QAccessible::Value) return View()->Text();
        return QAccessibleWidget::text(kind);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return View()->Cursor(); }
    void setCursorPosition(int position) override { View()->SetCursor(position); }
    QString text(int start, int end) const override {
        const QString all = View()->Text();
        start = std::clamp(start, 0, static_cast<int>(all.size()));
        end = end < 0 ? static_cast<int>(all.size()) : std::clamp(end, start, static_cast<int>(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(View()->Text().size()); }
    // A character's place: its share of its line's width.
    QRect characterRect(int offset) const override {
        const int line = View()->LineAt(offset);
        const QRect place = View()->LineRect(line);
        if (place.isEmpty()) return {};
        const QString all = View()->Text();
        const int start = View()->LineStart(line);
        const int length = std::max<int>(1, static_cast<int>(all.indexOf(QLatin1Char('\n'), start)) < 0
                                                ? static_cast<int>(all.size()) - start
                                                : static_cast<int>(all.indexOf(QLatin1Char('\n'), start)) - start);
        const int width = std::max(1, place.width() / length);
        const QRect local(place.left() + (offset - start) * width, place.top(), width, place.height());
        return QRect(View()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        const QPoint local = View()->mapFromGlobal(point);
        for (int line = 0; line < View()->LineCount(); ++line)
            if (View()->LineRect(line).contains(local)) return View()->LineStart(line);
        return -1;
    }
    void scrollToSubstring(int start, int) override { View()->SetCursor(start); }
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    PageView* View() const { return static_cast<PageView*>(widget()); }
};

QAccessibleInterface* PageAccessibleFactory(const QString&, QObject* object) {
    if (auto* view = dynamic_cast<PageView*>(object)) return new PageAccessible(view);
    return nullptr;
}

// Enter presses a button that has the keyboard, as Space does; the dialog
// itself has no default button, so Enter on the page prints nothing.
class EnterPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (auto* button = qobject_cast<QPushButton*>(watched); button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
                button->animateClick();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

bool RunPrintPreview(QWidget* parent, std::string_view title,
                     const std::function<void(platform::PrintDevice&)>& render) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(PageAccessibleFactory);
        return true;
    }();
    (void)factoryInstalled;

    QPrinter printer(QPrinter::HighResolution);
    PreviewPages pages(printer, render);
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    const QString name = DocumentName(title);
    dialog.setWindowTitle(name.isEmpty() ? QStringLiteral("Print Preview") : QStringLiteral("Print Preview - ") + name);
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(6, 4, 6, 4);
    layout->addLayout(bar);
    auto* view = new PageView(printer, &dialog);
    layout->addWidget(view, 1);

    auto* enter = new EnterPresses(&dialog);
    std::vector<QWidget*> order{view};
    // A button with its key in its label (Alt and the underlined letter) and,
    // where it has one, a second key, named in its tooltip.
    const auto button = [&](const QString& label, QKeySequence key, auto act) {
        auto* b = new QPushButton(label, &dialog);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::StrongFocus);
        b->installEventFilter(enter);
        QObject::connect(b, &QPushButton::clicked, &dialog, act);
        if (!key.isEmpty()) {
            auto* shortcut = new QShortcut(key, &dialog);
            QObject::connect(shortcut, &QShortcut::activated, b, [b] {
                if (b->isEnabled()) b->click();
            });
            b->setToolTip(key.toString(QKeySequence::NativeText));
        }
        bar->addWidget(b);
        order.push_back(b);
        return b;
    };

    int current = 1;
    QLabel* pageLabel = nullptr;
    QPushButton *first = nullptr, *previous = nullptr, *next = nullptr, *last = nullptr;
    // "Page 2 of 5", the page drawn, and the moves that lead nowhere greyed.
    const auto showPage = [&](int page) {
        const int count = pages.Count();
        current = std::clamp(page, 1, std::max(1, count));
        const QString where = QStringLiteral("Page %1 of %2").arg(count == 0 ? 0 : current).arg(count);
        pageLabel->setText(where);
        QWidget* had = QApplication::focusWidget();
        first->setEnabled(current > 1);
        previous->setEnabled(current > 1);
        next->setEnabled(current < count);
        last->setEnabled(current < count);
        view->Show(count == 0 ? nullptr : pages.Page(current), where);
        // A move that led to the end leaves the keyboard on the page.
        if (had != nullptr && !had->isEnabled()) view->setFocus(Qt::OtherFocusReason);
    };

    button(QStringLiteral("&Print..."), QKeySequence::Print, [&dialog] { dialog.accept(); });
    bar->addSpacing(12);
    button(QStringLiteral("Fit &Width"), {}, [view] { view->SetFit(PageView::Fit::Width); });
    button(QStringLiteral("Fit P&age"), {}, [view] { view->SetFit(PageView::Fit::Page); });
    button(QStringLiteral("Zoom &In"), QKeySequence::ZoomIn, [view] { view->Zoom(1.25); });
    button(QStringLiteral("Zoom &Out"), QKeySequence::ZoomOut, [view] { view->Zoom(1 / 1.25); });
    bar->addSpacing(12);
    first = button(QStringLiteral("&First"), QKeySequence(Qt::CTRL | Qt::Key_Home), [&] { showPage(1); });
    previous = button(QStringLiteral("P&revious"), QKeySequence(Qt::Key_PageUp), [&] { showPage(current - 1); });
    pageLabel = new QLabel(&dialog);
    pageLabel->setObjectName(QStringLiteral("PageLabel"));
    pageLabel->setContentsMargins(8, 0, 8, 0);
    bar->addWidget(pageLabel);
    next = button(QStringLiteral("&Next"), QKeySequence(Qt::Key_PageDown), [&] { showPage(current + 1); });
    last = button(QStringLiteral("&Last"), QKeySequence(Qt::CTRL | Qt::Key_End), [&] { showPage(pages.Count()); });
    bar->addSpacing(12);
    button(QStringLiteral("&Close"), {}, [&dialog] { dialog.reject(); });
    bar->addStretch(1);
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);

    dialog.resize(parent != nullptr ? parent->window()->size().expandedTo(QSize(640, 560)) : QSize(760, 900));
    showPage(1);
    view->setFocus(Qt::OtherFocusReason);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace quorle::qt
