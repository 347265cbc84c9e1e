// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/dialogs/Controls.h"

#include "base/text/Utf8.h"
#include "platform/dialogs/Dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

TControl::TControl(TDialog* parent, int id) : Id_(id)
{
    if (parent)
        parent->AddControl(this);
}

void TStatic::SetText(const char* utf8)
{
    if (auto* label = qobject_cast<QLabel*>(Widget()))
        label->setText(QString::fromUtf8(utf8 ? utf8 : ""));
}

void TEdit::SetText(const char* utf8)
{
    if (auto* edit = qobject_cast<QLineEdit*>(Widget()))
        edit->setText(QString::fromUtf8(utf8 ? utf8 : ""));
}

int TEdit::GetText(char* buffer, int size) const
{
    if (!buffer || size <= 0)
        return 0;
    buffer[0] = '\0';
    const auto* edit = qobject_cast<const QLineEdit*>(Widget());
    if (!edit)
        return 0;
    const QByteArray text = edit->text().toUtf8();
    return int(CopyUtf8(std::string_view(text.constData(), std::size_t(text.size())), buffer, std::size_t(size)));
}

void TScrollBar::SetRange(int minimum, int maximum)
{
    if (auto* bar = qobject_cast<QScrollBar*>(Widget()))
        bar->setRange(minimum, maximum);
}

void TScrollBar::SetPosition(int position)
{
    if (auto* bar = qobject_cast<QScrollBar*>(Widget()))
        bar->setValue(qBound(bar->minimum(), position, bar->maximum()));
}

int TScrollBar::GetPosition() const
{
    const auto* bar = qobject_cast<const QScrollBar*>(Widget());
    return bar ? bar->value() : 0;
}
