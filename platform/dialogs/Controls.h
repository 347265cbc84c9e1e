// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

class QWidget;
class TDialog;

// A dialog control bound by id to a control of the dialog's template. It is made before
// the dialog window exists and bound once the window is built; until then, and for a
// widget of another kind, its operations do nothing.
class TControl {
public:
    TControl(TDialog* parent, int id);
    virtual ~TControl() = default;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    int Id() const { return Id_; }
    void Bind(QWidget* widget) { Widget_ = widget; }
    QWidget* Widget() const { return Widget_; }

private:
    int Id_;
    QWidget* Widget_ = nullptr;
};

// A text label.
class TStatic : public TControl {
public:
    TStatic(TDialog* parent, int id) : TControl(parent, id) {}

    void SetText(const char* utf8);
};

// A single-line edit.
class TEdit : public TControl {
public:
    TEdit(TDialog* parent, int id) : TControl(parent, id) {}

    void SetText(const char* utf8);
    // Copies the text as UTF-8 into the buffer: at most size - 1 bytes, never half a
    // character, always terminated. Returns the bytes copied.
    int GetText(char* buffer, int size) const;
};

// A horizontal scroll bar: line step 1, page step 10, the position always within the range.
class TScrollBar : public TControl {
public:
    TScrollBar(TDialog* parent, int id) : TControl(parent, id) {}

    void SetRange(int minimum, int maximum);
    // A position outside the range is brought to its nearer end.
    void SetPosition(int position);
    int GetPosition() const;
};
