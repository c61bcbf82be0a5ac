#include "clidialogs.h"
#include "commands.h"
#include "output.h"

#include "engine/engine.h"
#include "settings/datadirectory.h"
#include "settings/preferences.h"
#include "ui/operationerror.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace commands {

namespace {

// A word of `choices`, as its index; -1 for an absent word, -2 for one that is not a choice.
int choice(const QString& word, const QStringList& choices) {
    return word.isNull() ? -1 : (choices.contains(word) ? int(choices.indexOf(word)) : -2);
}

// The changes `options set` was given; the choices as indexes (-1 not given).
struct OptionChanges {
    QString host, port, user, password, remoteFile, rootDir, caFile;
    int check = -1, frequency = -1, dbType = -1, security = -1;
    QString problem;

    bool any() const {
        return !(host.isNull() && port.isNull() && user.isNull() && password.isNull() &&
                 remoteFile.isNull() && rootDir.isNull() && caFile.isNull() && check == -1 &&
                 frequency == -1 && dbType == -1 && security == -1);
    }

    static OptionChanges take(CliOptions& o) {
        OptionChanges c;
        c.host = o.takeValue(QStringLiteral("remote-host"));
        c.port = o.takeValue(QStringLiteral("remote-port"));
        c.user = o.takeValue(QStringLiteral("user"));
        c.password = o.takeValue(QStringLiteral("password"));
        c.remoteFile = o.takeValue(QStringLiteral("remote-file"));
        c.rootDir = o.takeValue(QStringLiteral("root-dir"));
        c.caFile = o.takeValue(QStringLiteral("ca-file"));
        const QString security = o.takeValue(QStringLiteral("security"));
        const std::optional<FtpSecurity> level = ftpsecurity::fromWord(security);
        c.security = security.isNull() ? -1 : (level ? int(*level) : -2);
        c.check = choice(o.takeValue(QStringLiteral("check-remote-file")),
                         {QStringLiteral("off"), QStringLiteral("on")});
        c.frequency =
            choice(o.takeValue(QStringLiteral("frequency")),
                   {QStringLiteral("weekly"), QStringLiteral("monthly"), QStringLiteral("never")});
        c.dbType = choice(o.takeValue(QStringLiteral("db-type")),
                          {QStringLiteral("controlled"), QStringLiteral("uncontrolled")});
        if (c.check == -2) {
            c.problem = QStringLiteral("--check-remote-file takes on or off");
        } else if (c.frequency == -2) {
            c.problem = QStringLiteral("--frequency takes weekly, monthly or never");
        } else if (c.dbType == -2) {
            c.problem = QStringLiteral("--db-type takes controlled or uncontrolled");
        } else if (c.security == -2) {
            c.problem = QStringLiteral("--security takes off, available or required");
        }
        return c;
    }
};

// Puts the changes into the fields, as typed into the window.
void apply(const OptionChanges& c, OptionsState& state) {
    DownloadSettings& f = state.fields;
    const auto set = [](QString& field, const QString& value) {
        if (!value.isNull()) {
            field = value;
        }
    };
    set(f.RemoteHost, c.host);
    set(f.RemotePort, c.port);
    set(f.UserName, c.user);
    set(f.Password, c.password);
    set(f.RemoteFile, c.remoteFile);
    set(state.RootDir, c.rootDir);
    set(f.CaFile, c.caFile);
    f.Security = c.security >= 0 ? FtpSecurity(c.security) : f.Security;
    f.CheckRemoteFile = c.check >= 0 ? c.check == 1 : f.CheckRemoteFile;
    f.Frequency = c.frequency >= 0 ? c.frequency : f.Frequency;
    if (c.dbType >= 0) {
        state.DBTypeRadioGrpClick(c.dbType);
    }
}

QJsonObject fieldsJson(const OptionsState& state) {
    const DownloadSettings& f = state.fields;
    return {{"RemoteHost", f.RemoteHost},
            {"RemotePort", f.RemotePort},
            {"UserName", f.UserName},
            {"Password", f.Password},
            {"RemoteFile", f.RemoteFile},
            {"CheckRemoteFile", f.CheckRemoteFile},
            {"LocalFile", f.LocalFile},
            {"Frequency", f.Frequency},
            {"DBType", QLatin1String(state.DBTypeRadioGrp == 1 ? Preferences::kUncontrolled
                                                               : Preferences::kControlled)},
            {"RootDir", state.RootDir},
            {"enabled", state.ftpEnabled()},
            {"FtpSecurity", ftpsecurity::text(f.Security)},
            {"CaFile", f.CaFile}};
}

void show(const OptionsState& state, bool json) {
    const QJsonObject object = fieldsJson(state);
    if (json) {
        output::print(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)));
        return;
    }
    for (const char* key :
         {"RemoteHost", "RemotePort", "UserName", "Password", "RemoteFile", "CheckRemoteFile",
          "LocalFile", "Frequency", "DBType", "RootDir", "enabled", "FtpSecurity", "CaFile"}) {
        const QJsonValue v = object.value(key);
        const QString text = v.isBool()     ? QLatin1String(v.toBool() ? "true" : "false")
                             : v.isDouble() ? QString::number(v.toInt())
                                            : v.toString();
        output::print(QLatin1String(key) + QStringLiteral(": ") + text + u'\n');
    }
}

// The Options window opened as at start-up: its folder is the stored RootDir.
void activate(Engine& engine) {
    OptionsState& state = engine.download().options;
    state.FormActivate(Preferences(engine.databases().controlled().path()).rootDir());
}

}  // namespace

int options(CliOptions words) {
    const QString sub = words.args.value(1);
    const OptionChanges changes = OptionChanges::take(words);
    if (!words.rejectUnknown()) {
        return usage(words.error);
    }
    if (!changes.problem.isEmpty()) {
        return usage(changes.problem);
    }
    const bool isSet = sub == QLatin1String("set");
    const bool known = sub.isEmpty() || isSet || sub == QLatin1String("defaults");
    if (!known || words.args.size() > 2 || (changes.any() && !isSet)) {
        return usage(QStringLiteral("options takes nothing, set OPTIONS... or defaults"));
    }
    CliDialogs dialogs;
    NullProgress progress;
    Engine engine(dialogs, progress);
    std::unique_ptr<DirectoryLock> lock;
    try {
        lock = sub.isEmpty() ? nullptr : DataDirectory::lock();
        if (!engine.create()) {
            return 1;
        }
        engine.firstActivation();
        activate(engine);
        OptionsState& state = engine.download().options;
        if (isSet) {
            apply(changes, state);
            state.OKButtonClick();
            activate(engine);
        } else if (sub == QLatin1String("defaults")) {
            state.DefaultFTPValuesButtonClick();
            state.OKButtonClick();
            activate(engine);
        }
        show(state, words.json);
        return 0;
    } catch (const OperationError& e) {
        dialogs.error(e.message());
        return 1;
    }
}

}  // namespace commands
