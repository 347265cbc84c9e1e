#include "platform/dialogs/DialogBuilder.h"

#include "platform/services/Cursor.h"

#include <QDialog>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

QWidget* MakeControl(const TControlTemplate& c, const TDialogUnits& units, QDialog& dialog)
{
    const QString text = QString::fromUtf8(c.Text.c_str());
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
        auto* bar = new QScrollBar(Qt::Horizontal, &dialog);
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
    label->setWordWrap(true);
    return label;
}

}  // namespace

QString ControlName(int id)
{
    return QString::number(id);
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
    dialog.setFixedSize(units.X(dlg.Width), units.Y(dlg.Height));
    QWidget* previous = nullptr;
    for (const TControlTemplate& c : dlg.Controls) {
        QWidget* control = MakeControl(c, units, dialog);
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
        }
    }
    return units;
}
