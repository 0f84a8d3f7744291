#pragma once
// Commands run on the host, outside wine: xdotool on the tests' display,
// host links standing in for the junctions and symbolic links a user makes.
#include <afxwin.h>

#include <string>

// The Unix path wine gives a Windows path; empty when there is none.
std::string UnixPathOf(const CString& path);
// A Windows path for the shell: its Unix path in single quotes.
CString QuotedUnixPath(const CString& path);
// Runs the shell command (/bin/sh -c) on the host and waits for it to end,
// pumping this thread's messages meanwhile; true when it exited with 0.
bool RunOnHost(const CString& shellCommand);
// A host symbolic link at the Windows path link, to target (a Windows path,
// or a host path such as /dev/zero when bHostTarget).
bool MakeHostLink(const CString& link, const CString& target, bool bHostTarget = false);
// Removes what is at the Windows path as the host sees it (a link itself,
// never what it leads to); true when nothing is there afterwards.
bool RemoveOnHost(const CString& path);
