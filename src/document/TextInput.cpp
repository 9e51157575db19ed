#include "document/TextInput.h"

#include "document/Cp1252.h"

namespace {

RefusalNotice& Notice()
{
    static RefusalNotice notice;
    return notice;
}

} // namespace

void InstallRefusalNotice(RefusalNotice notice)
{
    Notice() = std::move(notice);
}

bool IsTypeable(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x20 || u == 0x7F || u == '"') return false;
    // C1 controls: only the undefined bytes of the code page would encode, and none is typed.
    if (u >= 0x80 && u < 0xA0) return false;
    return IsCp1252(u);
}

QString FilterTypedText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (IsTypeable(c)) out.append(c);
    return out;
}

QValidator::State CalTextValidator::validate(QString& input, int& pos) const
{
    int removedBeforeCursor = 0;
    QString out;
    out.reserve(input.size());
    for (int i = 0; i < input.size(); ++i) {
        if (IsTypeable(input[i]))
            out.append(input[i]);
        else if (i < pos)
            ++removedBeforeCursor;
    }
    if (out.size() != input.size()) {
        input = out;
        pos -= removedBeforeCursor;
        if (Notice()) Notice()(parent());
    }
    return Acceptable;
}
