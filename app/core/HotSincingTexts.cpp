// SPDX-License-Identifier: GPL-3.0-or-later
#include "HotSincingTexts.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace Res {

#define T(name, text)                                                                              \
    {                                                                                              \
        name, QT_TRANSLATE_NOOP("THotSincingForm", text)                                           \
    }

const QList<Entry>& Entries()
{
    static const QList<Entry> entries = {
        T("TemperatureInC", "Temperature in C\u00b0:"),
        T("TemperatureInF", "Temperature in F\u00b0:"),
        T("CyclechartCaption", "Cycle chart"),
        T("AverageLabel", "Average cycle Length = %s days"),
        T("DBGrid1Column0Caption", "Start date"),
        T("DBGrid1Column1Caption", "Cycle length"),
        T("NoActiveUser", "The last active user %s has been deleted anomalously.\n"
                          "Ciclara will recreate it again."),
        T("CycleExistsError", "Cycle with the same Start date already exists."),
        T("TempExistsError", "Temperature with the same date already exists."),
        T("MissingExcelWordError", "Check if %s is installed."),
        T("UserNameError", "Enter your name first!"),
        T("RetypePasswordError", "Wrong password! Please retype it again."),
        T("WrongPasswordError", "Wrong password. Try again."),
        T("ExistingUserError", "The %s already exists.\nPlease choose another name."),
        T("ChangeUserError", "Error occured while trying to change user."),
        T("DeleteActiveUserError", "You cannot delete active user."),
        T("DeleteConfirm", "Are you sure you want to delete %s?"),
        T("DeleteCurrCycleConfirm", "Are you sure you want to delete current cycle?"),
        T("ClearCurrDayConfirm", "Are you sure you want to clear current day?"),
        T("ClearWholeMonthConfirm", "Are you sure you want to clear whole month?"),
        T("DeleteAllCycleConfirm", "Are you realy sure you want to delete All cycles?"),
        T("DeleteCurrTempConfirm", "Are you sure you want to delete current temperature?"),
        T("DeleteAllTempConfirm", "Are you sure you want to delete all temperatures?"),
        T("AddDateConfirm", "Do you want to add date %s as new cycle?"),
        T("NameDelimiterError", "A User name cannot contain any of the following charecters:\n"
                                "\\ / : * ? \" < > | "),
        T("LogoLoading", "Loading users database..."),
        T("LogoRunning", "Running Ciclara..."),
        T("CVPeriodCaption", "Period %s days"),
        T("CVOvulationCaption", "Ovulation"),
        T("PredictedDaysCaption", "Predicted days"),
        T("TemperatureCaptionC", "Temperature C\u00b0"),
        T("TemperatureCaptionF", "Temperature \u00b0F"),
        T("TemperaturechartCaption", "Temperature chart"),
        T("ExportCycleHistory", "Cycle History"),
        T("ExportStartDate", "Start Date"),
        T("ExportPeriodLength", "Period Length"),
        T("ExportCycleLength", "Cycle Length"),
        T("ExportTmpCaption", "Temperature History"),
        T("ExportScheduleHistoryCaption", "Schedule History"),
        T("ExportSchDate", "Date"),
        T("ExportSchBleeding", "Bleeding"),
        T("ExportSchPilltime", "Pill time"),
        T("ExportSchNote", "Note"),
        T("ExportHeavy", "Heavy"),
        T("ExportNormal", "Normal"),
        T("ExportSlightly", "Slightly"),
        T("CiclaraWarning", "Ciclara Error"),
        T("CiclaraError", "Ciclara Error"),
        T("CiclaraInformation", "Ciclara Information"),
        T("CiclaraConfirmation", "Ciclara Confirmation"),
        T("EditWindowCaption", "Edit user"),
        T("EditPassCaption", "New password"),
        T("EditRePassCaption", "Retype new password"),
        T("NewWindowCaption", "Add new User"),
        T("NewPassCaption", "Password"),
        T("NewRePassCaption", "Retype password"),
        T("AddNewUserPeriodErrorLabel",
          "The period length must be half or less than cycle length."),
        T("Weight", "weight"),
        T("Height", "height"),
        T("WCaption", "Calcualate your ideal height on the base of your weight!"),
        T("HCaption", "Calcualate your ideal weight on the base of your height!"),
        T("WResultText", "Your ideal weight, given a height of %f %s, shoud be %.1f %s."),
        T("HResultText", "Your ideal height, given a weight of %.1f %s, shoud be %.2f %s."),
        T("ErrorHeightMore", "Height must be more than %.2f %s"),
        T("ErrorHeightLess", "Heigth must be less then %.2f %s"),
        T("ErrorWeightMore", "Weigth must be more then %.2f %s"),
        T("ErrorWeightLess", "Weigth must be less then %.2f %s"),
    };
    return entries;
}

#undef T

QString Text(const char* name)
{
    for (const Entry& e : Entries()) {
        if (qstrcmp(e.name, name) == 0)
            return QCoreApplication::translate("THotSincingForm", e.text);
    }
    return QString();
}

QString Format(const QString& pattern, const QVariantList& args)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\.(\\d))?([sdf])"));
    QString out;
    qsizetype last = 0;
    int argIndex = 0;
    auto it = placeholder.globalMatch(pattern);
    while (it.hasNext()) {
        const auto m = it.next();
        out += pattern.mid(last, m.capturedStart() - last);
        last = m.capturedEnd();
        if (argIndex >= args.size()) {
            out += m.captured();
            continue;
        }
        const QVariant& arg = args.at(argIndex++);
        const QChar conv = m.captured(3).at(0);
        if (conv == QLatin1Char('s')) {
            out += arg.toString();
        } else if (conv == QLatin1Char('d')) {
            out += QString::number(arg.toLongLong());
        } else {
            const int prec = m.captured(2).isEmpty() ? 2 : m.captured(2).toInt();
            out += QString::number(arg.toDouble(), 'f', prec);
        }
    }
    out += pattern.mid(last);
    return out;
}

QString Text(const char* name, const QVariantList& args)
{
    return Format(Text(name), args);
}

} // namespace Res
