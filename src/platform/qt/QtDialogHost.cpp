#include "platform/qt/QtDialogHost.h"

#include <algorithm>
#include <utility>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QFontMetricsF>
#include <QScrollBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolTip>
#include <QValidator>

#include "platform/Text1252.h"
#include "platform/qt/QtCanvas.h"

namespace quorle::qt {

namespace {

using platform::ControlKind;

// Takes only what a single-byte field can store, and of that only what the
// box's style takes (digits, or a number of points). It keeps why it last
// refused a keystroke, so the box can say so.
class FieldValidator : public QValidator {
public:
    FieldValidator(unsigned style, QObject* parent) : QValidator(parent), style_(style) {}
    State validate(QString& input, int&) const override {
        refusal_.clear();
        for (QChar& ch : input)
            if (ch.unicode() < 0x80) ch = QChar(platform::TypedChar(style_, static_cast<char>(ch.unicode())));
        for (const char32_t cp : input.toUcs4()) {
            if (platform::CodePointToCp1252(cp) < 0) {
                refusal_ = QStringLiteral("This character cannot be stored in Quorle's files.");
                return Invalid;
            }
        }
        const std::string_view refused = platform::EditRefusal(style_, ToCp1252(input));
        if (refused.empty()) return Acceptable;
        refusal_ = FromCp1252(refused);
        return Invalid;
    }
    // Why the last keystroke was refused, once; empty when it was not.
    QString TakeRefusal() const { return std::exchange(refusal_, QString()); }

private:
    unsigned style_;
    mutable QString refusal_;
};

// A refused keystroke is told at the box (a box that is full says nothing).
void TellRefusals(QLineEdit* edit, const FieldValidator* validator) {
    QObject::connect(edit, &QLineEdit::inputRejected, edit, [edit, validator] {
        const QString refusal = validator->TakeRefusal();
        if (refusal.isEmpty()) return;
        QApplication::beep();
        QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), refusal, edit);
    });
}

}  // namespace

QtDialogHost::QtDialogHost(platform::Dialog& dialog, QWidget* parent, bool modeless)
    : QDialog(parent), dialog_(&dialog) {
    setWindowTitle(FromCp1252(dialog.Resource().caption));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    Build();
    if (modeless) {
        modeless_ = true;
        setModal(false);
        dialog.AttachModeless(this);
    }
}

void QtDialogHost::Build() {
    const platform::DialogResource& resource = dialog_->Resource();
    auto* top = new QGridLayout(this);
    std::map<int, QGridLayout*> groupGrids;
    std::vector<QWidget*> tabOrder;
    bool hasOk = false;
    bool hasCancel = false;
    bool hasDefault = false;
    for (const auto& c : resource.controls) {
        if (c.kind == ControlKind::PushButton && (c.style & platform::kStyleDefault)) hasDefault = true;
        if (c.kind == ControlKind::PushButton && c.id == platform::kIdOk) hasOk = true;
        if (c.kind == ControlKind::PushButton && c.id == platform::kIdCancel) hasCancel = true;
    }

    QLabel* pendingLabel = nullptr;
    QWidget* lastBox = nullptr;
    const platform::ControlResource* lastBoxControl = nullptr;
    for (const auto& c : resource.controls) {
        QWidget* parentWidget = this;
        QGridLayout* grid = top;
        if (c.group != 0 && groupGrids.count(c.group)) {
            grid = groupGrids[c.group];
            parentWidget = grid->parentWidget();
        }
        QWidget* widget = nullptr;
        const QString text = FromCp1252(c.text);
        switch (c.kind) {
            case ControlKind::Static: {
                auto* label = new QLabel(text, parentWidget);
                label->setTextFormat(Qt::PlainText);
                if (c.style & platform::kStyleBorder) label->setFrameShape(QFrame::Box);
                widget = label;
                break;
            }
            case ControlKind::Edit: {
                if (c.style & platform::kStyleMultiline) {
                    auto* edit = new QPlainTextEdit(parentWidget);
                    edit->setPlainText(text);
                    edit->setReadOnly(c.style & platform::kStyleReadOnly);
                    edit->setTabChangesFocus(true);
                    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
                    if (c.style & platform::kStyleFixedPitch) {
                        QFont font(QStringLiteral("Courier New"), 10);
                        font.setStyleHint(QFont::TypeWriter);
                        font.setFixedPitch(true);
                        edit->setFont(font);
                    }
                    if (c.widthChars > 0) {
                        // Wide enough for widthChars characters and not one more, whatever
                        // the scroll bar does: every line on screen holds at most that many.
                        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
                        const QFontMetricsF metrics(edit->font());
                        const qreal text = metrics.horizontalAdvance(QString(c.widthChars, QLatin1Char('X'))) +
                                           metrics.horizontalAdvance(QLatin1Char('X')) / 2;
                        const int chrome = 2 * edit->frameWidth() + edit->verticalScrollBar()->sizeHint().width() +
                                           static_cast<int>(2 * edit->document()->documentMargin());
                        edit->setFixedWidth(static_cast<int>(text) + chrome);
                        edit->setMinimumHeight(static_cast<int>(metrics.lineSpacing() * 20) + 2 * edit->frameWidth());
                    }
                    const int limit = c.textLimit;
                    if (limit > 0) {
                        connect(edit, &QPlainTextEdit::textChanged, edit, [edit, limit] {
                            const QString current = edit->toPlainText();
                            if (current.size() <= limit) return;
                            QTextCursor cursor = edit->textCursor();
                            const int pos = cursor.position();
                            edit->setPlainText(current.left(limit));
                            cursor = edit->textCursor();
                            cursor.setPosition(std::min(pos, static_cast<int>(limit)));
                            edit->setTextCursor(cursor);
                        });
                    }
                    edit->installEventFilter(this);
                    widget = edit;
                } else {
                    auto* edit = new QLineEdit(text, parentWidget);
                    if (c.textLimit > 0) edit->setMaxLength(c.textLimit);
                    auto* validator = new FieldValidator(c.style, edit);
                    edit->setValidator(validator);
                    TellRefusals(edit, validator);
                    edit->setReadOnly(c.style & platform::kStyleReadOnly);
                    edit->installEventFilter(this);
                    widget = edit;
                }
                break;
            }
            case ControlKind::CheckBox: {
                auto* box = new QCheckBox(text, parentWidget);
                box->installEventFilter(this);  // arrow keys move over a grid of boxes
                const int id = c.id;
                connect(box, &QCheckBox::clicked, this, [this, id] {
                    if (dialog_) dialog_->Clicked(*this, id);
                });
                widget = box;
                break;
            }
            case ControlKind::RadioButton: {
                auto* radio = new QRadioButton(text, parentWidget);
                auto*& group = radioGroups_[c.group];
                if (!group) {
                    group = new QButtonGroup(this);
                    group->setExclusive(true);
                }
                group->addButton(radio);
                const int id = c.id;
                connect(radio, &QRadioButton::clicked, this, [this, id] {
                    if (dialog_) dialog_->Clicked(*this, id);
                });
                widget = radio;
                break;
            }
            case ControlKind::PushButton: {
                auto* button = new QPushButton(text, parentWidget);
                const int id = c.id;
                button->setAutoDefault(false);
                if ((c.style & platform::kStyleDefault) || (!hasDefault && id == platform::kIdOk)) button->setDefault(true);
                if (id == platform::kIdOk)
                    connect(button, &QPushButton::clicked, this, [this] { TryOk(); });
                else if (id == platform::kIdCancel)
                    connect(button, &QPushButton::clicked, this, [this] { reject(); });
                else
                    connect(button, &QPushButton::clicked, this, [this, id] {
                    if (dialog_) dialog_->Clicked(*this, id);
                });
                widget = button;
                break;
            }
            case ControlKind::GroupBox: {
                auto* box = new QGroupBox(text, parentWidget);
                auto* inner = new QGridLayout(box);
                if (c.id >= 0) groupGrids[c.id] = inner;
                widget = box;
                break;
            }
            case ControlKind::ComboBox: {
                auto* combo = new QComboBox(parentWidget);
                const int id = c.id;
                connect(combo, &QComboBox::activated, this, [this, id] {
                    if (dialog_) dialog_->SelectionChanged(*this, id);
                });
                widget = combo;
                break;
            }
            case ControlKind::ListBox: {
                auto* list = new QListWidget(parentWidget);
                if (c.widthChars > 0)  // lines of that many characters fit
                    list->setMinimumWidth(list->fontMetrics().averageCharWidth() * c.widthChars +
                                          2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width());
                const int id = c.id;
                connect(list, &QListWidget::currentRowChanged, this, [this, id, list] {
                    if (dialog_ && !list->signalsBlocked()) dialog_->SelectionChanged(*this, id);
                });
                widget = list;
                break;
            }
        }
        // A check box or radio button without text of its own is labelled by the
        // static beside it: the two share one cell, as one control would.
        if (c.kind == ControlKind::Static && lastBox && lastBoxControl->row == c.row &&
            lastBoxControl->column + 1 == c.column && lastBoxControl->group == c.group) {
            grid->removeWidget(lastBox);
            auto* pair = new QWidget(parentWidget);
            auto* row = new QHBoxLayout(pair);
            row->setContentsMargins(0, 0, 0, 0);
            row->setSpacing(4);
            lastBox->setParent(pair);
            widget->setParent(pair);
            row->addWidget(lastBox);
            row->addWidget(widget);
            row->addStretch(1);
            // As high as a box with text of its own, so such rows stand as far
            // apart as the others.
            pair->setMinimumHeight(QCheckBox(QStringLiteral("X")).sizeHint().height());
            grid->addWidget(pair, c.row, lastBoxControl->column, std::max(1, c.rowSpan),
                            std::max(1, c.columnSpan) + 1);
            lastBox->show();
            widget->show();
            // A click on the label works the box, as a box's own text would.
            if (auto* button = qobject_cast<QAbstractButton*>(lastBox)) {
                labelBoxes_[widget] = button;
                widget->installEventFilter(this);
            }
        } else {
            grid->addWidget(widget, c.row, c.column, std::max(1, c.rowSpan), std::max(1, c.columnSpan));
        }
        const bool bareBox = (c.kind == ControlKind::CheckBox || c.kind == ControlKind::RadioButton) &&
                             c.text.empty() && c.columnSpan <= 1;
        lastBox = bareBox ? widget : nullptr;
        lastBoxControl = bareBox ? &c : nullptr;
        if (c.id >= 0) controls_[c.id] = widget;
        built_.push_back(widget);
        // A label names the control that follows it, so its mnemonic reaches it.
        if (pendingLabel && c.kind != ControlKind::Static && c.kind != ControlKind::GroupBox) {
            pendingLabel->setBuddy(widget);
            pendingLabel = nullptr;
        }
        if (auto* label = qobject_cast<QLabel*>(widget); label && c.text.find('&') != std::string::npos) {
            label->setTextFormat(Qt::AutoText);
            pendingLabel = label;
        }
        if (widget->focusPolicy() != Qt::NoFocus && c.kind != ControlKind::Static && c.kind != ControlKind::GroupBox)
            tabOrder.push_back(widget);
    }
    if (!hasOk || !hasCancel) {
        auto* row = new QHBoxLayout;
        row->addStretch(1);
        if (!hasOk) {
            auto* ok = new QPushButton(tr("OK"), this);
            ok->setDefault(!hasDefault);
            connect(ok, &QPushButton::clicked, this, [this] { TryOk(); });
            row->addWidget(ok);
            tabOrder.push_back(ok);
        }
        if (!hasCancel) {
            auto* cancel = new QPushButton(tr("Cancel"), this);
            connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
            row->addWidget(cancel);
            tabOrder.push_back(cancel);
        }
        top->addLayout(row, top->rowCount(), 0, 1, std::max(1, top->columnCount()));
    }
    for (std::size_t i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
    if (!tabOrder.empty()) tabOrder.front()->setFocus();
    for (std::size_t i = 0; i < built_.size() && i < resource.controls.size(); ++i) {
        const std::vector<int> by = platform::NamingControls(resource, i);
        if (!resource.controls[i].name.empty()) {
            built_[i]->setAccessibleName(FromCp1252(resource.controls[i].name));
            continue;
        }
        if (by.size() == 1 && static_cast<std::size_t>(by.front()) == i) continue;  // its own text
        std::vector<QWidget*> labels;
        for (int b : by)
            if (static_cast<std::size_t>(b) < built_.size()) labels.push_back(built_[static_cast<std::size_t>(b)]);
        namedBy_.emplace_back(built_[i], std::move(labels));
    }
    NameControls();
}

void QtDialogHost::NameControls() {
    for (const auto& [control, labels] : namedBy_) {
        std::string name;
        for (QWidget* label : labels) {
            QString text;
            if (auto* l = qobject_cast<QLabel*>(label)) text = l->text();
            if (auto* box = qobject_cast<QGroupBox*>(label)) text = box->title();
            const std::string spoken = platform::SpokenLabel(ToCp1252(text));
            if (spoken.empty()) continue;
            if (!name.empty()) name += ' ';
            name += spoken;
        }
        if (labels.empty()) name = dialog_ ? dialog_->Resource().caption : std::string();
        const QString text = FromCp1252(name);
        if (control->accessibleName() != text) control->setAccessibleName(text);
    }
}

QWidget* QtDialogHost::Control(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

std::string QtDialogHost::Text(int id) const {
    QWidget* w = Control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return ToCp1252(edit->text());
    if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
        // Every line as it stands on screen comes back as a line of its own.
        QString out;
        const QTextDocument* doc = edit->document();
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
            if (block != doc->begin()) out += "\r\n";
            const QTextLayout* layout = block.layout();
            const QString blockText = block.text();
            if (!layout || layout->lineCount() <= 1) {
                out += blockText;
                continue;
            }
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                if (i > 0) out += "\r\r\n";
                out += blockText.mid(line.textStart(), line.textLength());
            }
        }
        return ToCp1252(out);
    }
    if (auto* label = qobject_cast<QLabel*>(w)) return ToCp1252(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return ToCp1252(button->text());
    if (auto* combo = qobject_cast<QComboBox*>(w)) return ToCp1252(combo->currentText());
    if (auto* list = qobject_cast<QListWidget*>(w)) return list->currentItem() ? ToCp1252(list->currentItem()->text()) : "";
    if (auto* box = qobject_cast<QGroupBox*>(w)) return ToCp1252(box->title());
    return {};
}

void QtDialogHost::SetText(int id, std::string_view text) {
    QWidget* w = Control(id);
    const QString value = FromCp1252(text);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setText(value);
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
        // Line ends may come as CR LF (or CR CR LF at marked soft breaks).
        QString plain = value;
        plain.remove('\r');
        edit->setPlainText(plain);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(value);
        NameControls();
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(value);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->setCurrentText(value);
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        box->setTitle(value);
        NameControls();
    }
}

bool QtDialogHost::IsChecked(int id) const {
    auto* button = qobject_cast<QAbstractButton*>(Control(id));
    return button && button->isChecked();
}

void QtDialogHost::SetChecked(int id, bool checked) {
    if (auto* button = qobject_cast<QAbstractButton*>(Control(id))) {
        button->setCheckable(true);
        button->setChecked(checked);
    }
}

bool QtDialogHost::IsEnabled(int id) const {
    QWidget* w = Control(id);
    return w && w->isEnabled();
}

void QtDialogHost::Enable(int id, bool enabled) {
    if (QWidget* w = Control(id)) w->setEnabled(enabled);
}

void QtDialogHost::SetFocus(int id) {
    QWidget* w = Control(id);
    if (!w) return;
    w->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->selectAll();
}

void QtDialogHost::SetListItems(int id, const std::vector<std::string>& items) {
    QStringList list;
    for (const auto& item : items) list << FromCp1252(item);
    QWidget* w = Control(id);
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const QSignalBlocker block(combo);
        combo->clear();
        combo->addItems(list);
        combo->setCurrentIndex(-1);
    } else if (auto* box = qobject_cast<QListWidget*>(w)) {
        const QSignalBlocker block(box);
        box->clear();
        box->addItems(list);
        box->setCurrentRow(-1);
    }
}

int QtDialogHost::Selection(int id) const {
    QWidget* w = Control(id);
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentIndex();
    if (auto* box = qobject_cast<QListWidget*>(w)) return box->currentRow();
    return -1;
}

void QtDialogHost::SetSelection(int id, int index) {
    QWidget* w = Control(id);
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const QSignalBlocker block(combo);
        combo->setCurrentIndex(index);
    } else if (auto* box = qobject_cast<QListWidget*>(w)) {
        const QSignalBlocker block(box);
        box->setCurrentRow(index);
    }
}

void QtDialogHost::EndDialog(bool ok) {
    if (ok)
        TryOk();
    else
        reject();
}

void QtDialogHost::TryOk() {
    if (dialog_ && dialog_->CanClose(*this)) accept();
}

void QtDialogHost::done(int result) {
    QDialog::done(result);
    if (dialog_) dialog_->Ended(*this, result == QDialog::Accepted);
}

bool QtDialogHost::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && qobject_cast<QCheckBox*>(watched) && dialog_) {
        int dRow = 0;
        int dColumn = 0;
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Up: dRow = -1; break;
            case Qt::Key_Down: dRow = 1; break;
            case Qt::Key_Left: dColumn = -1; break;
            case Qt::Key_Right: dColumn = 1; break;
            default: break;
        }
        const auto at = std::find(built_.begin(), built_.end(), watched);
        if ((dRow != 0 || dColumn != 0) && at != built_.end()) {
            const int next = platform::GridNeighbour(dialog_->Resource(),
                                                     static_cast<std::size_t>(at - built_.begin()), dRow, dColumn);
            if (next >= 0 && static_cast<std::size_t>(next) < built_.size()) {
                built_[static_cast<std::size_t>(next)]->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto it = labelBoxes_.find(watched);
        if (it != labelBoxes_.end() && it->second->isEnabled()) {
            it->second->click();
            return true;
        }
    }
    if (event->type() == QEvent::KeyRelease) {
        for (const auto& [id, widget] : controls_) {
            if (widget == watched) {
                if (dialog_) dialog_->KeyUp(*this, id);
                break;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool QtDialogHost::Run() {
    dialog_->SetupWindow(*this);
    return exec() == QDialog::Accepted;
}

QtDialogHost::~QtDialogHost() { LetGo(); }

void QtDialogHost::LetGo() {
    // A modal host may outlive its dialog; only a modeless one is attached.
    if (modeless_ && dialog_ && dialog_->Modeless() == this) dialog_->AttachModeless(nullptr);
    dialog_ = nullptr;
}

void QtDialogHost::Show() {
    if (!dialog_) return;
    if (!isVisible()) dialog_->SetupWindow(*this);
    show();
    raise();
    activateWindow();
}

void QtDialogHost::Hide() { hide(); }

bool QtDialogHost::IsVisible() const { return isVisible(); }

void QtDialogHost::Release() {
    if (!dialog_) return;
    LetGo();
    hide();
    // Not now: this may run inside one of its own handlers.
    deleteLater();
}

bool RunDialog(platform::Dialog& dialog, QWidget* parent) {
    QtDialogHost host(dialog, parent);
    return host.Run();
}

}  // namespace quorle::qt
