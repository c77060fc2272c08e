// Prints a libFuzzer dictionary made from the program's own words: the
// syntax catalogue (functions, commands, word operators), the unit
// vocabulary and the pad's punctuation, so the dictionary follows the
// program as it grows.

#include "pad/mainwindow.h"
#include "support/testsupport.h"

#include <cstdio>

namespace {
void Print(const QString& word)
{
    // Bytes outside printable ASCII are written as \xNN escapes.
    QByteArray escaped;
    for (const char c : word.toUtf8()) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
            escaped += QByteArray("\\") + c;
        else if (byte < 0x20 || byte > 0x7e)
            escaped += "\\x" + QByteArray::number(byte, 16).rightJustified(2, '0');
        else
            escaped += c;
    }
    std::printf("\"%s\"\n", escaped.constData());
}
} // namespace

int main(int argc, char** argv)
{
    TestSupport::prepareEnvironment();
    QApplication app(argc, argv);
    const auto window = TestSupport::createWindow();

    QStringList words;
    auto add = [&](const QString& word) {
        if (!word.isEmpty())
            words.append(word);
    };
    for (const MainWindow::CalculatorSyntaxItem& item : window->GetCalculatorSyntaxCatalog()) {
        add(item.name);
        if (item.isFunction)
            add(item.name + QLatin1Char('('));
    }
    for (const QString& word : window->GetUnitConversionVocabulary())
        add(word);
    for (const char* piece : {"=",  "==",  "<>", "<=",   ">=",   "(", ")",  ",",  "{", "}", "%", "^", "!", "0x",   "0b",
                              "0o", "ANS", "PI", " to ", " in ", ":", "AM", "PM", "/", "*", "-", "+", ".", "1e308"})
        add(QString::fromLatin1(piece));
    words.removeDuplicates();
    for (const QString& word : words)
        Print(word);
    return 0;
}
