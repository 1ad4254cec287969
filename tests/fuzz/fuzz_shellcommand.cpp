// `>` command queries, and the shell quoting of the folder and script paths.
#include "FuzzSupport.h"
#include "sources/ShellCommand.h"

using namespace zarvo;

namespace {

// Reads back a word made of single-quoted runs and backslash-escaped quotes, the way sh does; none
// when anything else appears (an unquoted character would be open to the shell).
std::optional<QString> unquote(const QString& word) {
    QString out;
    qsizetype i = 0;
    while (i < word.size()) {
        if (word[i] == u'\'') {
            const qsizetype end = word.indexOf(u'\'', i + 1);
            if (end < 0) return std::nullopt;
            out += word.mid(i + 1, end - i - 1);
            i = end + 1;
        } else if (word[i] == u'\\' && i + 1 < word.size() && word[i + 1] == u'\'') {
            out += u'\'';
            i += 2;
        } else {
            return std::nullopt;
        }
    }
    return out;
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

void check(const QString& text) {
    if (auto command = ShellCommand::parse(text)) {
        fuzz::require(command->isEmpty() || (!isBlank(command->front()) && !isBlank(command->back())),
                      "the command is trimmed", text);
        fuzz::require(ShellCommand::parse(u'>' + *command) == command, "parsing is stable", text);
    }
    const QString quoted = ShellCommand::quoted(text);
    fuzz::require(unquote(quoted) == text, "quoting reads back as the text", text);
    const QString script =
        ShellCommand::scriptText(nullptr, QStringLiteral("/tmp/zarvo-S.command"), text, QStringLiteral("ls"));
    fuzz::require(script.startsWith(QStringLiteral("#!/bin/sh -l\nrm -f '/tmp/zarvo-S.command'\ncd ")),
                  "the script starts by removing itself", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz::checkTexts(data, size, 4096, check);
}
