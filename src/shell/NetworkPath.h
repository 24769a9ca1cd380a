#pragma once

#include <QString>

// Result of connecting a network data directory.
struct TNetworkConnection
{
    bool Connected = false;
    QString LocalPath;   // where the share's folder is reachable, ending with '/'
};

// Mounts the share through the desktop's virtual file system (gio) and
// gives the local folder it is reachable under. "//server/share/dir" is read
// as "smb://server/share/dir". Gives up after timeoutMs.
TNetworkConnection ConnectNetworkPath(const QString &path, int timeoutMs = 30000);

// "//server/share/dir/" → "smb://server/share/dir"
QString NetworkUrl(const QString &path);
