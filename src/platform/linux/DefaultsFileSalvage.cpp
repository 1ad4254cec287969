#include "platform/linux/DefaultsFileSalvage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>
#include <cstring>

namespace zarvo::linux_ {

namespace {

// No member name comes near this; a longer "name" is not one.
constexpr qsizetype kMaxNameBytes = 4096;

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isScalarChar(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' ||
           c == '+' || c == '.';
}

// Steps through damaged JSON text. Every byte looked at costs one unit of a budget linear in the size,
// so retrying after damage (thousands of unclosed braces) cannot turn quadratic.
class Scanner {
public:
    explicit Scanner(const QByteArray& json)
        : m_p(json.constData()), m_n(json.size()), m_budget(16 * qint64(json.size()) + (1 << 20)) {}

    qsizetype size() const { return m_n; }
    char at(qsizetype i) const { return m_p[i]; }
    bool exhausted() const { return m_budget < 0; }

    qsizetype skipSpace(qsizetype i) {
        while (i < m_n && isSpace(m_p[i]) && --m_budget >= 0)
            ++i;
        return i;
    }

    // One past the closing quote of the string opening at `i`, or -1.
    qsizetype stringEnd(qsizetype i, qsizetype limit) {
        const qsizetype last = std::min(m_n, i + limit);
        for (qsizetype j = i + 1; j < last; ++j) {
            if (--m_budget < 0) return -1;
            if (m_p[j] == '\\')
                ++j;
            else if (m_p[j] == '"')
                return j + 1;
        }
        return -1;
    }

    // One past the end of the value starting at `i`, or -1 when it does not end. Brackets inside strings
    // do not count; whether they pair up is the parser's to judge.
    qsizetype valueEnd(qsizetype i) {
        if (i >= m_n) return -1;
        const char c = m_p[i];
        if (c == '"') return stringEnd(i, m_n);
        if (c == '{' || c == '[') {
            int depth = 0;
            bool inString = false;
            for (qsizetype j = i; j < m_n; ++j) {
                if (--m_budget < 0) return -1;
                const char d = m_p[j];
                if (inString) {
                    if (d == '\\')
                        ++j;
                    else if (d == '"')
                        inString = false;
                } else if (d == '"') {
                    inString = true;
                } else if (d == '{' || d == '[') {
                    ++depth;
                } else if ((d == '}' || d == ']') && --depth == 0) {
                    return j + 1;
                }
            }
            return -1;
        }
        qsizetype j = i;
        while (j < m_n && isScalarChar(m_p[j]) && --m_budget >= 0)
            ++j;
        return j > i ? j : -1;
    }

    // The value of the text [i, end) alone, or none when it does not parse.
    std::optional<QJsonValue> parse(qsizetype i, qsizetype end) const {
        QByteArray text;
        text.reserve(end - i + 2);
        text += '[';
        text += QByteArrayView(m_p + i, end - i);
        text += ']';
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(text, &error);
        if (error.error != QJsonParseError::NoError || !document.isArray() || document.array().size() != 1)
            return std::nullopt;
        return document.array().at(0);
    }

    struct Head {
        QString name;
        qsizetype valueAt = 0;
    };
    // The name of the member opening at `i` and where its value starts.
    std::optional<Head> memberHead(qsizetype i) {
        const qsizetype end = stringEnd(i, kMaxNameBytes);
        if (end < 0) return std::nullopt;
        const auto name = parse(i, end);
        if (!name || !name->isString()) return std::nullopt;
        const qsizetype colon = skipSpace(end);
        if (colon >= m_n || m_p[colon] != ':') return std::nullopt;
        return Head{name->toString(), skipSpace(colon + 1)};
    }

    // The indentation of a quote that starts its line, or -1 when something precedes it on the line.
    qsizetype indentOf(qsizetype i) {
        qsizetype j = i;
        while (j > 0 && (m_p[j - 1] == ' ' || m_p[j - 1] == '\t') && --m_budget >= 0)
            --j;
        return (j == 0 || m_p[j - 1] == '\n') ? i - j : -1;
    }

    // The next quote from `from` that could open a member at the level whose members are indented by
    // `indent` (any quote when that is not known), or -1.
    qsizetype nextName(qsizetype from, qsizetype indent) {
        for (qsizetype j = from; j < m_n && m_budget >= 0;) {
            const void* quote = std::memchr(m_p + j, '"', size_t(m_n - j));
            if (!quote) return -1;
            const qsizetype k = static_cast<const char*>(quote) - m_p;
            m_budget -= k - j + 1;
            if (indent < 0 || indentOf(k) == indent) return k;
            j = k + 1;
        }
        return -1;
    }

private:
    const char* m_p;
    qsizetype m_n;
    qint64 m_budget;
};

DefaultsFileSalvage::Members readMembers(Scanner& s, qsizetype i) {
    DefaultsFileSalvage::Members out;
    QSet<QString> seen;
    // The files we write put each member on its own line at one indentation; once the first member shows
    // it, a retry after damage skips names nested deeper (a dictionary's own members).
    qsizetype indent = -2;
    bool inStep = true;
    while (!s.exhausted()) {
        i = s.skipSpace(i);
        if (i >= s.size() || (inStep && s.at(i) == '}')) break;
        if (inStep && s.at(i) == ',') {
            ++i;
            continue;
        }
        const qsizetype start = i;
        if (s.at(i) == '"') {
            if (const auto head = s.memberHead(i)) {
                const bool object = head->valueAt < s.size() && s.at(head->valueAt) == '{';
                const qsizetype end = object ? s.valueEnd(head->valueAt) : -1;
                auto value = end > 0 ? s.parse(head->valueAt, end) : std::nullopt;
                // Out of step, only a tagged value is taken for a member, not any name before a brace.
                if (value && !inStep && !value->toObject().value(QStringLiteral("type")).isString())
                    value.reset();
                if (value) {
                    if (indent == -2) indent = s.indentOf(start);
                    if (!seen.contains(head->name)) {
                        seen.insert(head->name);
                        out.members.append({head->name, *value});
                    }
                    inStep = true;
                    i = end;
                    continue;
                }
                if (inStep && !out.broken.contains(head->name)) out.broken.append(head->name);
            }
        }
        // Out of step: go on from the next name that could open a member at this level.
        inStep = false;
        i = s.nextName(start + 1, std::max<qsizetype>(indent, -1));
        if (i < 0) break;
    }
    return out;
}

} // namespace

std::optional<DefaultsFileSalvage::Members>
DefaultsFileSalvage::valuesMembers(const QByteArray& json, const QString& format, int version) {
    Scanner s(json);
    qsizetype i = s.skipSpace(0);
    if (i >= s.size() || s.at(i) != '{') return std::nullopt;
    i = s.skipSpace(i + 1);
    bool formatSeen = false;
    // The root's members before "values" are read strictly: damage there leaves nothing to trust.
    while (i < s.size() && s.at(i) == '"') {
        const auto head = s.memberHead(i);
        if (!head) return std::nullopt;
        if (head->name == QLatin1String("values")) {
            if (!formatSeen || head->valueAt >= s.size() || s.at(head->valueAt) != '{') return std::nullopt;
            return readMembers(s, head->valueAt + 1);
        }
        const qsizetype end = s.valueEnd(head->valueAt);
        const auto value = end > 0 ? s.parse(head->valueAt, end) : std::nullopt;
        if (!value) return std::nullopt;
        if (head->name == QLatin1String("format")) {
            if (value->toString() != format) return std::nullopt;
            formatSeen = true;
        } else if (head->name == QLatin1String("version") && value->toInteger(-1) != version) {
            return std::nullopt;
        }
        i = s.skipSpace(end);
        if (i >= s.size() || s.at(i) != ',') return std::nullopt;
        i = s.skipSpace(i + 1);
    }
    return std::nullopt;
}

} // namespace zarvo::linux_
