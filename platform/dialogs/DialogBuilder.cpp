// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/dialogs/DialogBuilder.h"

#include "platform/services/Cursor.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace {

// A bar that shows when it has the keyboard's focus, which the toolkit's bars do not.
class TFocusScrollBar : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QScrollBar::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

QWidget* MakeControl(const TControlTemplate& c, const QString& text, const TDialogUnits& units, QDialog& dialog)
{
    switch (c.Kind) {
    case TControlKind::Button: {
        auto* button = new QPushButton(text, &dialog);
        button->setAutoDefault(false);
        button->setDefault(c.Default);
        return button;
    }
    case TControlKind::Edit: {
        // An edit too thin to type in only draws a line: the template uses one as a divider.
        if (c.ReadOnly && units.X(c.Width) <= 3) {
            auto* line = new QFrame(&dialog);
            line->setFrameShape(QFrame::VLine);
            line->setFrameShadow(QFrame::Sunken);
            return line;
        }
        auto* edit = new QLineEdit(&dialog);
        edit->setFrame(c.Border);
        edit->setReadOnly(c.ReadOnly);
        return edit;
    }
    case TControlKind::ScrollBar: {
        auto* bar = new TFocusScrollBar(Qt::Horizontal, &dialog);
        bar->setSingleStep(1);
        bar->setPageStep(10);
        bar->setTracking(true);
        return bar;
    }
    case TControlKind::Icon: {
        auto* label = new QLabel(&dialog);
        if (const HICON icon = LoadIconA(c.Text.c_str()))
            label->setPixmap(icon->Image->pixmap(32, 32));
        return label;
    }
    case TControlKind::Static:
        break;
    }
    auto* label = new QLabel(text, &dialog);
    label->setAlignment((c.RightAlign ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    return label;
}

// How much wider a label or button must be to show its text whole on one line; a label
// keeps a space's width free after its text, so that it does not run into its neighbour.
int Shortfall(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        const int needed = label->sizeHint().width() + label->fontMetrics().horizontalAdvance(QLatin1Char(' '));
        return label->text().isEmpty() ? 0 : std::max(0, needed - label->width());
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        const QStyle* style = button->style();
        const int needed = button->fontMetrics().horizontalAdvance(QString(button->text()).remove(QLatin1Char('&'))) +
                           2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                           2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        return std::max(0, needed - button->width());
    }
    return 0;
}

// Makes room for texts longer than their place, as a translation may be: a column as
// wide as is missing goes in at the right edge of the leftmost control that falls short.
// What lies to the right moves right, what spans the edge grows, and so does the dialog,
// so that rows and columns stay lined up.
int GrowToFit(const std::vector<QWidget*>& controls)
{
    int grown = 0;
    for (;;) {
        const QWidget* shortest = nullptr;
        for (const QWidget* control : controls)
            if (Shortfall(control) > 0 && (!shortest || control->geometry().right() < shortest->geometry().right()))
                shortest = control;
        if (!shortest)
            return grown;
        const int missing = Shortfall(shortest);
        const int edge = shortest->x() + shortest->width();
        for (QWidget* control : controls) {
            if (control->x() >= edge)
                control->move(control->x() + missing, control->y());
            else if (control->x() + control->width() >= edge)
                control->resize(control->width() + missing, control->height());
        }
        grown += missing;
    }
}

}  // namespace

QString ControlName(int id)
{
    return QString::number(id);
}

QString TranslatedText(const TDialogTemplate& dlg, const std::string& text)
{
    return text.empty() ? QString() : QCoreApplication::translate(dlg.Name.c_str(), text.c_str());
}

QFont DialogFont(const TDialogTemplate& dlg)
{
    QFont font = QFont();
    if (!dlg.FontName.empty()) {
        font.setFamilies({QString::fromUtf8(dlg.FontName.c_str()), QStringLiteral("MS Mincho"),
                          QStringLiteral("IPAMincho"), QStringLiteral("IPAexMincho"),
                          QStringLiteral("IPAGothic"), QStringLiteral("Noto Serif CJK JP")});
        font.setPointSize(dlg.FontSize);
    }
    return font;
}

TDialogUnits BuildDialogControls(const TDialogTemplate& dlg, QDialog& dialog)
{
    dialog.setFont(DialogFont(dlg));
    const TDialogUnits units = TDialogUnits::ForFont(dialog.font());
    std::vector<QWidget*> controls;
    std::vector<QLabel*> awaitingBuddy;
    QWidget* previous = nullptr;
    for (const TControlTemplate& c : dlg.Controls) {
        const QString text = c.Kind == TControlKind::Icon ? QString() : TranslatedText(dlg, c.Text);
        QWidget* control = MakeControl(c, text, units, dialog);
        controls.push_back(control);
        control->setGeometry(units.Rect(c.X, c.Y, c.Width, c.Height));
        if (c.Kind == TControlKind::Icon)
            control->resize(32, 32);
        if (c.Id != -1)
            control->setObjectName(ControlName(c.Id));
        const bool focusable = c.Kind == TControlKind::Button || c.Kind == TControlKind::ScrollBar ||
                               (c.Kind == TControlKind::Edit && !c.ReadOnly);
        control->setFocusPolicy(!focusable ? Qt::NoFocus : c.TabStop ? Qt::StrongFocus : Qt::ClickFocus);
        if (focusable && c.TabStop) {
            if (previous)
                QWidget::setTabOrder(previous, control);
            previous = control;
            // A label's access key leads to the next control that Tab reaches.
            for (QLabel* label : awaitingBuddy)
                label->setBuddy(control);
            awaitingBuddy.clear();
        } else if (c.Kind == TControlKind::Static) {
            awaitingBuddy.push_back(static_cast<QLabel*>(control));
        }
    }
    const int grown = GrowToFit(controls);
    dialog.setFixedSize(units.X(dlg.Width) + grown, units.Y(dlg.Height));
    return units;
}
