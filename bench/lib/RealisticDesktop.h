// A desktop as a user's machine has one, for the benchmarks that run on the real Linux platform: the
// machine's own desktop entries plus generated ones (MIME types, actions, localized names, icons, some
// hidden or for another desktop), an XFCE session and the user's mimeapps.list choosing defaults among
// them. Call before anything reads the environment or asks GIO.
#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>

namespace zarvo::bench {

inline int countEntries(const QStringList& folders) {
    int count = 0;
    for (const QString& folder : folders)
        count += int(QDir(folder + QStringLiteral("/applications"))
                         .entryList({QStringLiteral("*.desktop")}, QDir::Files)
                         .size());
    return count;
}

// Writes `generated` entries below root/share/applications and the user's list to configHome, and points
// the session at them. Returns the number of entries in the applications folders.
// BENCH_GENERATED_ENTRIES overrides the count: 0 measures the machine's own desktop alone.
inline int setUpRealisticDesktop(const QString& root, const QString& configHome, int generated = 300) {
    bool given = false;
    if (const int count = qEnvironmentVariableIntValue("BENCH_GENERATED_ENTRIES", &given);
        given && count >= 0)
        generated = count;
    static const char* const kinds[][3] = {
        {"Editor", "Text Editor", "text/plain;text/x-csrc;text/markdown;"},
        {"Viewer", "Image Viewer", "image/png;image/jpeg;image/gif;"},
        {"Browser", "Web Browser", "text/html;x-scheme-handler/http;x-scheme-handler/https;"},
        {"Files", "File Manager", "inode/directory;"},
        {"Player", "Media Player", "audio/mpeg;video/mp4;"},
        {"Office", "Word Processor", "application/vnd.oasis.opendocument.text;text/plain;"},
        {"Mail", "Email Client", "x-scheme-handler/mailto;"},
        {"Tool", "Utility", ""},
    };
    const QString folder = root + QStringLiteral("/share/applications");
    QDir().mkpath(folder);
    for (int i = 0; i < generated; ++i) {
        const auto& kind = kinds[i % 8];
        const QString word = QString::fromLatin1(kind[0]);
        QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=%1 Studio %2\n"
                                      "Name[de]=%1 Werkstatt %2\nName[fr]=Atelier %1 %2\n"
                                      "GenericName=%3\nComment=Works with %1 things\nIcon=%4-studio\n"
                                      "Exec=/bin/true %U\nTryExec=/bin/true\nCategories=Utility;\n")
                           .arg(word)
                           .arg(i)
                           .arg(QString::fromLatin1(kind[1]), word.toLower());
        if (*kind[2]) text += QStringLiteral("MimeType=%1\n").arg(QString::fromLatin1(kind[2]));
        if (i % 20 == 7) text += QStringLiteral("NoDisplay=true\n");
        if (i % 25 == 3) text += QStringLiteral("OnlyShowIn=KDE;\n");
        text += QStringLiteral("Actions=new-window;\n\n[Desktop Action new-window]\nName=New Window\n"
                               "Name[de]=Neues Fenster\nExec=/bin/true --new\n");
        QFile file(folder + QStringLiteral("/org.example.%1Studio%2.desktop").arg(word).arg(i));
        if (file.open(QIODevice::WriteOnly)) file.write(text.toUtf8());
    }
    // The user's own choices, as the desktop's settings write them.
    QDir().mkpath(configHome);
    QFile list(configHome + QStringLiteral("/mimeapps.list"));
    if (list.open(QIODevice::WriteOnly))
        list.write("[Default Applications]\n"
                   "text/plain=org.example.EditorStudio8.desktop\n"
                   "inode/directory=thunar.desktop;org.example.FilesStudio3.desktop\n"
                   "x-scheme-handler/https=org.example.BrowserStudio2.desktop\n"
                   "x-scheme-handler/http=org.example.BrowserStudio2.desktop\n"
                   "\n[Added Associations]\n"
                   "text/plain=org.example.OfficeStudio5.desktop;org.example.EditorStudio16.desktop;\n");
    const QStringList dirs = {root + QStringLiteral("/share"), QStringLiteral("/usr/local/share"),
                              QStringLiteral("/usr/share")};
    qputenv("XDG_DATA_DIRS", dirs.join(QLatin1Char(':')).toUtf8());
    qputenv("XDG_CONFIG_DIRS", "/etc/xdg");
    qputenv("XDG_CURRENT_DESKTOP", "XFCE");
    const int total = countEntries(dirs);
    std::printf("# %d desktop entries (%d generated), XFCE, a mimeapps.list\n", total, generated);
    return total;
}

} // namespace zarvo::bench
