#include "TypedText.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace TypedText {

bool holdsControlCharacter(const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u <= 0x9f) || u == 0x2028 || u == 0x2029)
            return true;
    }
    return false;
}

QString controlCharacterRefusal(std::initializer_list<std::pair<const QLineEdit*, QString>> fields)
{
    for (const auto& [field, name] : fields) {
        if (const QString refusal = controlCharacterRefusal(field->text(), name); !refusal.isEmpty())
            return refusal;
    }
    return {};
}

QString controlCharacterRefusal(const QString& text, const QString& name)
{
    if (!holdsControlCharacter(text))
        return {};
    return QCoreApplication::translate("TypedText", "“%1”中含有控制字符（如空字符、制表符或换行），请删除后重试！")
        .arg(name);
}

void sayWhenFull(QLineEdit& field, const QString& fieldName, std::function<void(const QString&)> tell)
{
    QObject::connect(&field, &QLineEdit::textEdited, &field, [&field, fieldName, tell](const QString& text) {
        if (text.size() < field.maxLength())
            return;
        tell(QCoreApplication::translate("TypedText", "“%1”最多只能输入 %2 个字符，多出的部分没有输入！")
                 .arg(fieldName)
                 .arg(field.maxLength()));
    });
}

} // namespace TypedText
