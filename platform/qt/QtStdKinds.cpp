// The standard controls as native widgets. Edits and memos show the model's
// text and selection; what the user types goes through the model, while a
// mouse press still places the caret natively and hands the selection back.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextBlock>
#include <iostream>
#include <QToolButton>

#include "platform/Spin.h"
#include "platform/StdCtrls.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtKinds.h"
#include "platform/qt/QtText.h"

namespace kw {

namespace {
// The text as shown changed since it was last written into the widget.
bool TextMoved(TMirror& m, const std::string& text) {
    if (m.ShownText == text) return false;
    m.ShownText = text;
    return true;
}

bool ItemsMoved(TMirror& m, const TStrings& items) {
    std::vector<std::string> now = items.ToVector();
    if (m.ShownItems == now) return false;
    m.ShownItems = std::move(now);
    return true;
}

QStringList Decoded(const std::vector<std::string>& items, const TFont& font) {
    QStringList list;
    for (const std::string& item : items) list << FontText(item, font);
    return list;
}

void SetEditColors(TMirror& m) {
    QPalette palette = m.Widget->palette();
    palette.setColor(QPalette::Base, QtColor(m.Control->Color()));
    palette.setColor(QPalette::Text, QtColor(m.Control->Font()->Color()));
    m.Widget->setPalette(palette);
}

// ---------------------------------------------------------------- label

class TLabelKind : public TWidgetKind {
public:
    QWidget* Create(TMirror& m, QWidget* parent) const override {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        if (const QStyle::StandardPixmap icon = DialogIcon(*m.Control); icon != QStyle::SP_CustomBase)
            label->setPixmap(QApplication::style()->standardIcon(icon).pixmap(32, 32));
        return label;
    }
    void SyncText(TMirror& m) const override {
        auto* label = static_cast<QLabel*>(m.Widget.data());
        if (!label->pixmap().isNull()) return;
        const auto& c = static_cast<const TCustomLabel&>(*m.Control);
        if (TextMoved(m, c.DisplayText())) label->setText(FontText(*m.ShownText, *c.Font()));
    }
    void SyncState(TMirror& m) const override {
        auto* label = static_cast<QLabel*>(m.Widget.data());
        const auto& c = static_cast<const TCustomLabel&>(*m.Control);
        Qt::Alignment align = c.Alignment() == taCenter         ? Qt::AlignHCenter
                              : c.Alignment() == taRightJustify ? Qt::AlignRight
                                                                : Qt::AlignLeft;
        align |= c.Layout() == tlCenter ? Qt::AlignVCenter : c.Layout() == tlBottom ? Qt::AlignBottom : Qt::AlignTop;
        if (label->alignment() != align) label->setAlignment(align);
        if (label->wordWrap() != c.WordWrap()) label->setWordWrap(c.WordWrap());
        if (label->autoFillBackground() == c.Transparent()) label->setAutoFillBackground(!c.Transparent());
    }

private:
    // The icon place of a message dialog: a label "Image" whose caption
    // names the dialog's kind.
    static QStyle::StandardPixmap DialogIcon(const TControl& c) {
        if (c.Name() != "Image" || !c.Owner() || c.Owner()->ClassName() != "TMessageForm")
            return QStyle::SP_CustomBase;
        const std::string& kind = c.Text();
        if (kind == "WARNING") return QStyle::SP_MessageBoxWarning;
        if (kind == "ERROR") return QStyle::SP_MessageBoxCritical;
        if (kind == "INFORMATION") return QStyle::SP_MessageBoxInformation;
        if (kind == "CONFIRMATION") return QStyle::SP_MessageBoxQuestion;
        return QStyle::SP_CustomBase;
    }
};

// ---------------------------------------------------------------- edit

class TQtLineEdit : public QLineEdit {
public:
    explicit TQtLineEdit(QWidget* parent) : QLineEdit(parent) { setAcceptDrops(false); }

protected:
    void mousePressEvent(QMouseEvent* e) override {
        QLineEdit::mousePressEvent(e);
        PushSelection();
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        QLineEdit::mouseMoveEvent(e);
        PushSelection();
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        QLineEdit::mouseReleaseEvent(e);
        PushSelection();
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        QLineEdit::mouseDoubleClickEvent(e);
        PushSelection();
    }

private:
    // The caret the mouse placed becomes the edit's selection.
    void PushSelection() {
        TMirror* m = MirrorAt(this);
        if (!m || m->Syncing) return;
        auto* edit = static_cast<TCustomEdit*>(m->Control);
        const std::string text = edit->Text();
        const int cp = edit->Font()->CodePage();
        const int start = hasSelectedText() ? selectionStart() : cursorPosition();
        const int end = hasSelectedText() ? selectionEnd() : start;
        const int from = BytePosOfCharPos(text, start, cp);
        edit->SetSelStart(from);
        edit->SetSelLength(BytePosOfCharPos(text, end, cp) - from);
    }
};

class TEditKind : public TWidgetKind {
public:
    QWidget* Create(TMirror& m, QWidget* parent) const override { return new TQtLineEdit(parent); }
    void SyncText(TMirror& m) const override {
        auto* edit = static_cast<QLineEdit*>(m.Widget.data());
        if (TextMoved(m, m.Control->Text())) edit->setText(FontText(*m.ShownText, *m.Control->Font()));
    }
    void SyncState(TMirror& m) const override {
        auto* edit = static_cast<QLineEdit*>(m.Widget.data());
        const auto& c = static_cast<const TCustomEdit&>(*m.Control);
        const QLineEdit::EchoMode echo = c.PasswordChar() ? QLineEdit::Password : QLineEdit::Normal;
        if (edit->echoMode() != echo) edit->setEchoMode(echo);
        if (edit->isReadOnly() != c.ReadOnly()) edit->setReadOnly(c.ReadOnly());
        const std::string text = c.Text();
        const int cp = c.Font()->CodePage();
        const int start = CharPosOfBytePos(text, c.SelStart(), cp);
        const int end = CharPosOfBytePos(text, c.SelStart() + c.SelLength(), cp);
        if (end > start) {
            if (edit->selectionStart() != start || edit->selectionEnd() != end) edit->setSelection(start, end - start);
        } else if (edit->hasSelectedText() || edit->cursorPosition() != start) {
            edit->setCursorPosition(start);
        }
    }
    void SyncColors(TMirror& m) const override {
        TWidgetKind::SyncColors(m);
        SetEditColors(m);
    }
    bool NativeMouse(const TMirror&) const override { return true; }
};

// A spin edit: the edit with up and down arrows at its right edge; the
// arrows step the value through the model.
class TSpinKind : public TEditKind {
public:
    QWidget* Create(TMirror& m, QWidget* parent) const override {
        auto* edit = new TQtLineEdit(parent);
        auto arrow = [edit](Qt::ArrowType type, bool up) {
            auto* button = new QToolButton(edit);
            button->setArrowType(type);
            button->setObjectName(up ? "up" : "down");
            button->setAutoRepeat(true);
            QObject::connect(button, &QToolButton::clicked, edit, [edit, up] {
                TMirror* mirror = MirrorAt(edit);
                if (!mirror) return;
                auto* target = static_cast<TSpinEdit*>(mirror->Control);
                QtBackend()->UserInput([target, up] { up ? target->UpClick() : target->DownClick(); });
            });
            return button;
        };
        arrow(Qt::UpArrow, true);
        arrow(Qt::DownArrow, false);
        return edit;
    }
    void SyncState(TMirror& m) const override {
        TEditKind::SyncState(m);
        auto* edit = static_cast<QLineEdit*>(m.Widget.data());
        const int w = 16, h = std::max(edit->height() / 2, 1);
        if (auto* up = edit->findChild<QToolButton*>("up")) up->setGeometry(edit->width() - w, 0, w, h);
        if (auto* down = edit->findChild<QToolButton*>("down"))
            down->setGeometry(edit->width() - w, h, w, edit->height() - h);
        edit->setTextMargins(0, 0, w, 0);
    }
    // The arrows work by themselves.
    bool RoutesInputOf(const TMirror& m, const QWidget* part) const override {
        return !qobject_cast<const QToolButton*>(part) && TEditKind::RoutesInputOf(m, part);
    }
};

// ---------------------------------------------------------------- memo

// Memo texts break lines with CR LF; the widget with LF alone.
int DisplayPos(const QString& crlfText, int pos) {
    return pos - static_cast<int>(crlfText.left(pos).count('\r'));
}
int CrLfPos(const QString& crlfText, int displayPos) {
    int seen = 0, i = 0;
    for (; i < crlfText.size() && seen < displayPos; ++i)
        if (crlfText[i] != '\r') ++seen;
    return i;
}

class TQtMemo : public QPlainTextEdit {
public:
    explicit TQtMemo(QWidget* parent) : QPlainTextEdit(parent) {
        setAcceptDrops(false);
        viewport()->setAcceptDrops(false);
    }

protected:
    void mousePressEvent(QMouseEvent* e) override {
        QPlainTextEdit::mousePressEvent(e);
        PushSelection();
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        QPlainTextEdit::mouseMoveEvent(e);
        PushSelection();
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        QPlainTextEdit::mouseReleaseEvent(e);
        PushSelection();
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        QPlainTextEdit::mouseDoubleClickEvent(e);
        PushSelection();
    }

private:
    void PushSelection() {
        TMirror* m = MirrorAt(this);
        if (!m || m->Syncing) return;
        auto* memo = static_cast<TMemo*>(m->Control);
        const std::string text = memo->Text();
        const int cp = memo->Font()->CodePage();
        const QString crlf = DecodeText(text, cp);
        const QTextCursor cursor = textCursor();
        const int from = BytePosOfCharPos(text, CrLfPos(crlf, cursor.selectionStart()), cp);
        memo->SetSelStart(from);
        memo->SetSelLength(BytePosOfCharPos(text, CrLfPos(crlf, cursor.selectionEnd()), cp) - from);
    }
};

class TMemoKind : public TWidgetKind {
public:
    QWidget* Create(TMirror& m, QWidget* parent) const override { return new TQtMemo(parent); }
    void SyncText(TMirror& m) const override {
        auto* memo = static_cast<QPlainTextEdit*>(m.Widget.data());
        if (!TextMoved(m, m.Control->Text())) return;
        QString text = FontText(*m.ShownText, *m.Control->Font());
        memo->setPlainText(text.replace("\r\n", "\n"));
    }
    void SyncState(TMirror& m) const override {
        auto* memo = static_cast<QPlainTextEdit*>(m.Widget.data());
        const auto& c = static_cast<const TMemo&>(*m.Control);
        if (memo->isReadOnly() != c.ReadOnly()) memo->setReadOnly(c.ReadOnly());
        const auto wrap = c.WordWrap() ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap;
        if (memo->lineWrapMode() != wrap) memo->setLineWrapMode(wrap);
        const TScrollStyle bars = c.ScrollBars();
        memo->setHorizontalScrollBarPolicy(bars == ssHorizontal || bars == ssBoth ? Qt::ScrollBarAlwaysOn
                                                                                   : Qt::ScrollBarAlwaysOff);
        memo->setVerticalScrollBarPolicy(bars == ssVertical || bars == ssBoth ? Qt::ScrollBarAlwaysOn
                                                                               : Qt::ScrollBarAlwaysOff);
        const std::string text = c.Text();
        const int cp = c.Font()->CodePage();
        const QString crlf = DecodeText(text, cp);
        const int start = DisplayPos(crlf, CharPosOfBytePos(text, c.SelStart(), cp));
        const int end = DisplayPos(crlf, CharPosOfBytePos(text, c.SelStart() + c.SelLength(), cp));
        QTextCursor cursor = memo->textCursor();
        if (cursor.selectionStart() == start && cursor.selectionEnd() == end) return;
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        memo->setTextCursor(cursor);
    }
    void SyncColors(TMirror& m) const override {
        TWidgetKind::SyncColors(m);
        SetEditColors(m);
    }
    bool NativeMouse(const TMirror&) const override { return true; }
};

// ---------------------------------------------------------------- combo box

class TQtComboBox : public QComboBox {
public:
    explicit TQtComboBox(QWidget* parent) : QComboBox(parent) {
        connect(this, &QComboBox::activated, this, [this](int index) {
            TMirror* m = MirrorAt(this);
            if (!m || m->Syncing) return;
            auto* combo = static_cast<TComboBox*>(m->Control);
            QtBackend()->UserInput([combo, index] { combo->SelectByUser(index); });
        });
    }
    void showPopup() override {
        Dropped(true);
        QComboBox::showPopup();
    }
    // The list closes after the pick it was closed for, as on the platform.
    void hidePopup() override {
        QComboBox::hidePopup();
        QMetaObject::invokeMethod(this, [this] { Dropped(false); }, Qt::QueuedConnection);
    }

private:
    void Dropped(bool down) {
        TMirror* m = MirrorAt(this);
        if (!m || m->Syncing) return;
        auto* combo = static_cast<TComboBox*>(m->Control);
        QtBackend()->UserInput([combo, down] { combo->SetDroppedDown(down); });
    }
};

class TComboKind : public TWidgetKind {
public:
    QWidget* Create(TMirror& m, QWidget* parent) const override { return new TQtComboBox(parent); }
    void SyncText(TMirror& m) const override {
        auto* combo = static_cast<QComboBox*>(m.Widget.data());
        if (!combo->isEditable()) return;
        if (TextMoved(m, m.Control->Text())) combo->setEditText(FontText(*m.ShownText, *m.Control->Font()));
    }
    void SyncState(TMirror& m) const override {
        auto* combo = static_cast<QComboBox*>(m.Widget.data());
        const auto& c = static_cast<const TComboBox&>(*m.Control);
        const bool editable = c.Style() == csDropDown || c.Style() == csSimple;
        if (combo->isEditable() != editable) {
            combo->setEditable(editable);
            if (QLineEdit* line = combo->lineEdit()) {
                line->setFocusPolicy(Qt::NoFocus);
                line->setAcceptDrops(false);
            }
            m.ShownText.reset();
        }
        // Both change an editable box's text: it is written again after them.
        if (ItemsMoved(m, *c.Items())) {
            combo->clear();
            combo->addItems(Decoded(*m.ShownItems, *c.Font()));
            m.ShownText.reset();
        }
        if (combo->currentIndex() != c.ItemIndex()) {
            combo->setCurrentIndex(c.ItemIndex());
            m.ShownText.reset();
        }
        SyncText(m);
    }
    void SyncColors(TMirror& m) const override {
        TWidgetKind::SyncColors(m);
        SetEditColors(m);
    }
    bool NativeMouse(const TMirror&) const override { return true; }
};

// ---------------------------------------------------------------- list box

class TListBoxKind : public TWidgetKind {
public:
    QWidget* Create(TMirror& m, QWidget* parent) const override {
        auto* list = new QListWidget(parent);
        list->setAcceptDrops(false);
        return list;
    }
    void SyncState(TMirror& m) const override {
        auto* list = static_cast<QListWidget*>(m.Widget.data());
        const auto& c = static_cast<const TListBox&>(*m.Control);
        const auto mode = c.MultiSelect() ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection;
        if (list->selectionMode() != mode) list->setSelectionMode(mode);
        if (ItemsMoved(m, *c.Items())) {
            list->clear();
            list->addItems(Decoded(*m.ShownItems, *c.Font()));
        }
        if (list->currentRow() != c.ItemIndex()) {
            list->setCurrentRow(c.ItemIndex());
            if (c.ItemIndex() < 0) list->clearSelection();
        }
    }
    void SyncColors(TMirror& m) const override {
        TWidgetKind::SyncColors(m);
        SetEditColors(m);
    }
    // The item under the mouse becomes the list's item before the press.
    void BeforePress(TMirror& m, QPoint pos) const override {
        auto* list = static_cast<QListWidget*>(m.Widget.data());
        const int row = list->indexAt(list->viewport()->mapFrom(list, pos)).row();
        if (row >= 0) static_cast<TListBox*>(m.Control)->SetItemIndex(row);
    }
};

// ---------------------------------------------------------------- buttons

// A check or radio button whose model may paint its caption itself: the
// style draws the mark without the caption, then what the model's
// PaintCaption drew on a see-through canvas goes over it.
template <class Button, QStyle::ControlElement Element>
class TCaptionPaintedButton : public Button {
public:
    using Button::Button;

protected:
    void paintEvent(QPaintEvent* event) override {
        TMirror* m = MirrorAt(this);
        auto* control = m ? dynamic_cast<const TButtonControl*>(m->Control) : nullptr;
        if (!control || !control->PaintsOwnCaption()) {
            Button::paintEvent(event);
            return;
        }
        QStylePainter painter(this);
        QStyleOptionButton option;
        this->initStyleOption(&option);
        option.text.clear();
        painter.drawControl(Element, option);
        constexpr TColor seeThrough = 0x00FE01FF;  // a colour no form uses
        TBitmap surface;
        surface.SetPixelFormat(pf24bit);
        surface.SetSize(this->width(), this->height());
        TCanvas& canvas = *surface.Canvas();
        canvas.Brush()->SetColor(seeThrough);
        canvas.Brush()->SetStyle(bsSolid);
        canvas.FillRect(Rect(0, 0, surface.Width(), surface.Height()));
        surface.SetTransparentColor(seeThrough);
        surface.SetTransparent(true);
        try {
            control->PaintCaption(canvas);
        } catch (const std::exception& e) {
            std::cerr << "Painting the caption of " << control->Name() << " failed: " << e.what() << '\n';
        }
        PaintCanvas(painter, canvas);
    }
};
using TQtCheckBox = TCaptionPaintedButton<QCheckBox, QStyle::CE_CheckBox>;
using TQtRadioButton = TCaptionPaintedButton<QRadioButton, QStyle::CE_RadioButton>;

template <class Button>
class TButtonKindBase : public TWidgetKind {
public:
    QWidget* Create(TMirror& m, QWidget* parent) const override { return new Button(parent); }
    void SyncText(TMirror& m) const override {
        if (TextMoved(m, m.Control->Text()))
            static_cast<QAbstractButton*>(m.Widget.data())->setText(FontText(*m.ShownText, *m.Control->Font()));
    }
    void ShowPressed(TMirror& m, bool down) const override {
        static_cast<QAbstractButton*>(m.Widget.data())->setDown(down);
    }
};

class TButtonKind : public TButtonKindBase<QPushButton> {
public:
    void SyncState(TMirror& m) const override {
        auto* button = static_cast<QPushButton*>(m.Widget.data());
        const bool isDefault = static_cast<const TButton&>(*m.Control).Default();
        if (button->autoDefault()) button->setAutoDefault(false);
        if (button->isDefault() != isDefault) button->setDefault(isDefault);
    }
};

Qt::LayoutDirection MarkSide(TAlignment alignment) {
    return alignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight;
}

class TCheckBoxKind : public TButtonKindBase<TQtCheckBox> {
public:
    void SyncState(TMirror& m) const override {
        auto* box = static_cast<QCheckBox*>(m.Widget.data());
        const auto& c = static_cast<const TCheckBox&>(*m.Control);
        const Qt::CheckState state = c.State() == cbChecked   ? Qt::Checked
                                     : c.State() == cbGrayed ? Qt::PartiallyChecked
                                                             : Qt::Unchecked;
        if (!box->isTristate() && (c.AllowGrayed() || state == Qt::PartiallyChecked)) box->setTristate(true);
        if (box->checkState() != state) box->setCheckState(state);
        if (box->layoutDirection() != MarkSide(c.Alignment())) box->setLayoutDirection(MarkSide(c.Alignment()));
    }
};

class TRadioButtonKind : public TButtonKindBase<TQtRadioButton> {
public:
    QWidget* Create(TMirror& m, QWidget* parent) const override {
        auto* radio = new TQtRadioButton(parent);
        radio->setAutoExclusive(false);  // the model unchecks the others
        return radio;
    }
    void SyncState(TMirror& m) const override {
        auto* radio = static_cast<QRadioButton*>(m.Widget.data());
        const auto& c = static_cast<const TRadioButton&>(*m.Control);
        if (radio->isChecked() != c.Checked()) radio->setChecked(c.Checked());
        if (radio->layoutDirection() != MarkSide(c.Alignment())) radio->setLayoutDirection(MarkSide(c.Alignment()));
    }
};

// Radio buttons of other families (a button control publishing Checked and
// Alignment): read through their published properties, as the platform's
// property access does.
class TPublishedRadioKind : public TButtonKindBase<TQtRadioButton> {
public:
    QWidget* Create(TMirror& m, QWidget* parent) const override {
        auto* radio = new TQtRadioButton(parent);
        radio->setAutoExclusive(false);
        return radio;
    }
    void SyncState(TMirror& m) const override {
        auto* radio = static_cast<QRadioButton*>(m.Widget.data());
        const TClassInfo& info = m.Control->ClassInfo();
        if (const TPropInfo* checked = info.FindProp("Checked"); checked && checked->GetOrd) {
            const bool on = checked->GetOrd(*m.Control) != 0;
            if (radio->isChecked() != on) radio->setChecked(on);
        }
        if (const TPropInfo* alignment = info.FindProp("Alignment"); alignment && alignment->GetOrd) {
            const auto side = MarkSide(static_cast<TAlignment>(alignment->GetOrd(*m.Control)));
            if (radio->layoutDirection() != side) radio->setLayoutDirection(side);
        }
    }
};

// ---------------------------------------------------------------- group box

class TGroupBoxKind : public TWidgetKind {
public:
    QWidget* Create(TMirror& m, QWidget* parent) const override {
        auto* box = new QGroupBox(parent);
        box->setAutoFillBackground(true);
        return box;
    }
    void SyncText(TMirror& m) const override {
        if (TextMoved(m, m.Control->Text()))
            static_cast<QGroupBox*>(m.Widget.data())->setTitle(FontText(*m.ShownText, *m.Control->Font()));
    }
};
}  // namespace

void RegisterStdKinds() {
    static const TLabelKind label;
    static const TEditKind edit;
    static const TMemoKind memo;
    static const TComboKind combo;
    static const TListBoxKind list;
    static const TButtonKind button;
    static const TCheckBoxKind check;
    static const TRadioButtonKind radio;
    static const TGroupBoxKind group;
    static const TSpinKind spin;
    static const TPublishedRadioKind publishedRadio;
    RegisterWidgetKind("TCustomLabel", &label);
    RegisterWidgetKind("TCustomEdit", &edit);
    RegisterWidgetKind("TMemo", &memo);
    RegisterWidgetKind("TComboBox", &combo);
    RegisterWidgetKind("TListBox", &list);
    RegisterWidgetKind("TButton", &button);
    RegisterWidgetKind("TCheckBox", &check);
    RegisterWidgetKind("TRadioButton", &radio);
    RegisterWidgetKind("TCustomGroupBox", &group);
    RegisterWidgetKind("TSpinEdit", &spin);
    RegisterWidgetKind("TKwRadioButton", &publishedRadio);
}

}  // namespace kw
