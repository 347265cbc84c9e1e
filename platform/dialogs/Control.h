#pragma once

class QWidget;
class TDialog;

// A dialog control bound by id to a control of the dialog's template. It is made before
// the dialog window exists and bound once the window is built.
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
