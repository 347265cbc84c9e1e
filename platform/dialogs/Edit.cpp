#include "platform/dialogs/Edit.h"

#include "base/text/Utf8.h"

#include <QLineEdit>

#include <cstring>

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
