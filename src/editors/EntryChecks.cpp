#include "EntryChecks.h"

#include "PointGrid.h"
#include "platform/Keys.h"

namespace editors {

namespace {
// Why the catalogue file could not hold the text as it stands: its name line
// ends the name before the first "#", a line break ends the line, and the
// file holds Latin-1 only. Anything else, "$" included, is read back as it
// was written.
QString unstorable(const QString& text)
{
    for (QChar c : text) {
        if (c == u'#' || c == u'\r' || c == u'\n')
            return QStringLiteral("Component Name cannot have \"#\" or a line break");
        if (c.unicode() > 255)
            return QStringLiteral("Component Name cannot have characters the data file cannot hold");
    }
    return {};
}

// The duplicate test, names compared without regard to case.
NameCheck duplicateTest(const QString& name, bool addMode, bool editMode, const QStringList& entries, int selected)
{
    NameCheck check;
    check.selection = selected;
    const QString own = selected >= 0 && selected < entries.size() ? entries[selected] : QString();
    if (editMode) {
        if (name.toLower() == own.toLower())
            return check;
        for (const QString& entry : entries)
            if (entry.toLower() == name.toLower()) {
                check.message = Msg::ComponentNameExists;
                break;
            }
        return check;
    }
    if (addMode) {
        for (const QString& entry : entries)
            if (entry.toLower() == name.toLower()) {
                check.message = Msg::ComponentNameExists;
                check.selection = entries.isEmpty() ? -1 : 0;
                return check;
            }
        check.selection = entries.isEmpty() ? -1 : int(entries.size() - 1);
    }
    return check;
}

// The tests both checks share: the blanks at either end first, whatever the
// mode; then, adding or editing, the form (`formRefused`), what the file
// could not hold, empty, "None" (`noneRefused`) and duplicates.
NameCheck check(const QString& name, bool addMode, bool editMode, const QStringList& entries, int selected,
                bool formRefused, bool noneRefused)
{
    NameCheck result;
    result.selection = selected;
    if (name.startsWith(u' ')) {
        result.message = Msg::NameStartsWithSpace;
        return result;
    }
    if (name.endsWith(u' ')) {
        result.message = Msg::NameEndsWithSpace;
        return result;
    }
    if (formRefused) {
        result.message = Msg::InvalidHoseSize;
        return result;
    }
    if (!addMode && !editMode)
        return result;
    result.text = unstorable(name);
    if (!result.text.isEmpty())
        return result;
    if (name.isEmpty()) {
        result.message = Msg::ComponentNameMissing;
        return result;
    }
    if (noneRefused && name.compare(QLatin1String("None"), Qt::CaseInsensitive) == 0) {
        result.message = Msg::ComponentNameIsNone;
        return result;
    }
    return duplicateTest(name, addMode, editMode, entries, selected);
}

bool badSizeForm(const QString& s)
{
    if (s.endsWith(QLatin1String("/0")) || s.endsWith(QLatin1String("/ 0")) || s.startsWith(u'/') || s.endsWith(u'/')
        || s.startsWith(u'0'))
        return true;
    const qsizetype blank = s.indexOf(u' ');
    if (blank < 0)
        return false;
    const qsizetype slash = s.indexOf(u'/');
    return slash < 0 || slash == blank + 1 || slash == blank - 1;
}

} // namespace

bool nameKeyPasses(int code)
{
    if (code >= platform::kAsciiEnd)
        return false;
    if (code == platform::kAsciiBackspace)
        return true;
    return code != '#' && code != '$';
}

bool sizeKeyPasses(int code, const QString& text)
{
    if (code >= platform::kAsciiEnd)
        return false;
    if (code == platform::kAsciiBackspace)
        return true;
    if (code == '/')
        return !text.contains(u'/');
    if (code == ' ')
        return !text.contains(u' ');
    return code >= '0' && code <= '9';
}

bool lengthKeyPasses(int code, const QString& text)
{
    if (code >= platform::kAsciiEnd)
        return false;
    if (code == platform::kAsciiBackspace)
        return true;
    if (code == '.')
        return !text.contains(u'.');
    return code >= '0' && code <= '9';
}

NameCheck checkName(const QString& name, bool addMode, bool editMode, const QStringList& entries, int selected)
{
    return check(name, addMode, editMode, entries, selected, false, true);
}

NameCheck checkHoseSize(const QString& size, bool addMode, bool editMode, const QStringList& entries, int selected)
{
    return check(size, addMode, editMode, entries, selected, badSizeForm(size), false);
}

QString standardHoseLength(bool usUnits) { return usUnits ? QStringLiteral("100") : QStringLiteral("30.48"); }

LengthCheck checkHoseLength(const QString& text, bool usUnits)
{
    const double limit = usUnits ? 100.0 : 30.48;
    const QString standard = standardHoseLength(usUnits);
    if (text.isEmpty())
        return {QString(), standard};
    const double value = cellValue(text);
    if (value > limit)
        return {QStringLiteral("Maximum Value can be entered is %1").arg(standard), standard};
    // The hose loss is taken per unit of this length: it must be above 0.
    if (!(value > 0))
        return {QStringLiteral("Hose length must be above 0"), standard};
    return {QString(), text};
}

} // namespace editors
