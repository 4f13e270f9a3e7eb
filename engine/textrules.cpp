// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/checkrules.h"

#include "bundle/textlines.h"
#include "engine/checklimits.h"
#include "wording/uilanguage.h"

#include <QLocale>
#include <QRegularExpression>
#include <QUrl>

namespace {

// How a line of text is written: CJK when it holds Han, Kana or Hangul,
// else Latin (or another alphabet) when it holds any letter.
enum class LineScript { None, Cjk, Alphabet };

LineScript scriptOf(const QString &line)
{
    bool letters = false;
    for (const uint c : line.toUcs4()) {
        switch (QChar::script(c)) {
        case QChar::Script_Han:
        case QChar::Script_Hiragana:
        case QChar::Script_Katakana:
        case QChar::Script_Hangul:
            return LineScript::Cjk;
        default:
            letters = letters || QChar::isLetter(c);
        }
    }
    return letters ? LineScript::Alphabet : LineScript::None;
}

// The lines (numbered from 1) written in the script the UI language does
// not use, when others are written in it: a translated summary above an
// untranslated body, or the reverse. Empty when the text keeps to one.
QStringList linesOfOtherScript(const QString &text, bool english)
{
    const LineScript wanted = english ? LineScript::Alphabet : LineScript::Cjk;
    QStringList other;
    bool inWanted = false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const LineScript script = scriptOf(lines.at(i));
        if (script == wanted)
            inWanted = true;
        else if (script != LineScript::None)
            other.append(QString::number(i + 1));
    }
    return inWanted ? other : QStringList();
}

// Words that stand in for a description not yet written. The Latin ones
// count as words only where no letter or digit touches them; Chinese has no
// such boundaries, so its ones count wherever they stand.
bool hasPlaceholder(const QString &text)
{
    static const QRegularExpression latin(
        QStringLiteral("(?<![\\p{L}\\p{N}_])(lorem\\s+ipsum|todo|tbd|fixme|coming\\s+soon)"
                       "(?![\\p{L}\\p{N}_])"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    if (latin.match(text).hasMatch())
        return true;
    for (const QString &chinese :
         {QStringLiteral("敬请期待"), QStringLiteral("待补充"), QStringLiteral("测试用")}) {
        if (text.contains(chinese))
            return true;
    }
    return false;
}

} // namespace

bool RuleFindings::hiddenCharacter(const QString &value, const QString &field, bool severalLines)
{
    const char32_t c = firstHiddenCharacter(value, severalLines);
    if (c == 0)
        return false;
    QStringList params{codePointName(c)};
    if (!severalLines)
        params << value;
    add("hidden-character", Severity::Error, field, params, codePointName(c));
    return true;
}

void RuleFindings::requiredEmpty(const QString &field)
{
    add("required-empty", Severity::Error, field, {});
}

void checkNameRules(RuleFindings &rules, const SourcedText &name)
{
    const QString field = QStringLiteral("name");
    if (name.value.isEmpty()) {
        rules.requiredEmpty(field);
        return;
    }
    if (rules.hiddenCharacter(name.value, field))
        return;
    const QString text = name.value.trimmed();
    const int columns = displayColumns(text);
    if (columns > kLongName)
        rules.add("name-too-long", Severity::Warning, field,
                  {QString::number(columns), QString::number(kLongName)}, QString::number(columns),
                  QString::number(kLongName));
    static const QString endings = QStringLiteral(".。!！?？~～");
    if (!text.isEmpty() && endings.contains(text.back()))
        rules.add("name-end-punctuation", Severity::Warning, field, {text});
    // A separator with more words after it: a name with its slogan.
    static const QRegularExpression tagline(QStringLiteral("(:|：| - | – |（)\\s*[\\p{L}\\p{N}]"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    if (tagline.match(text).hasMatch())
        rules.add("name-has-tagline", Severity::Info, field, {text});
}

void checkAuthorRules(RuleFindings &rules, const SourcedText &author)
{
    rules.hiddenCharacter(author.value, QStringLiteral("author"));
}

void checkContributorRules(RuleFindings &rules, const SourcedText &contributor)
{
    const QString field = QStringLiteral("contributor");
    if (contributor.value.isEmpty())
        rules.requiredEmpty(field);
    else
        rules.hiddenCharacter(contributor.value, field);
}

void checkHomepageRules(RuleFindings &rules, const SourcedText &homepage)
{
    const QString field = QStringLiteral("homepage");
    if (homepage.value.isEmpty() || rules.hiddenCharacter(homepage.value, field))
        return;
    // The store makes the homepage a link: any other scheme runs a
    // script, opens a local file or shows a page made up in the link.
    if (hasForeignScheme(homepage.value)) {
        rules.add("homepage-scheme", Severity::Error, field, {homepage.value});
        return;
    }
    const QUrl url(homepage.value, QUrl::StrictMode);
    const QString scheme = url.scheme();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        rules.add("homepage-not-url", Severity::Warning, field, {homepage.value});
}

void checkDescriptionRules(RuleFindings &rules, const SourcedText &description,
                           const SourcedText &name)
{
    const QString field = QStringLiteral("description");
    if (description.value.isEmpty()) {
        rules.requiredEmpty(field);
        return;
    }
    if (rules.hiddenCharacter(description.value, field, true))
        return;
    const QString text = description.value.trimmed();
    const int columns = displayColumns(text);
    const bool oneLine = !text.contains(QLatin1Char('\n'));
    if ((oneLine && columns < kShortDescription) || text == name.value.trimmed())
        rules.add("description-short", Severity::Info, field, {}, QString::number(columns),
                  QString::number(kShortDescription));
    if (columns > kLongDescription)
        rules.add("description-too-long", Severity::Info, field,
                  {QString::number(columns), QString::number(kLongDescription)},
                  QString::number(columns), QString::number(kLongDescription));
    if (hasPlaceholder(text))
        rules.add("description-placeholder", Severity::Warning, field, {});
    const QStringList other = linesOfOtherScript(text, prefersEnglish(QLocale::system()));
    if (!other.isEmpty()) {
        const QString lines = other.join(QStringLiteral(", "));
        rules.add("description-mixed-language", Severity::Info, field, {lines}, lines);
    }
}
