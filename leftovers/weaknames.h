#pragma once
// Names too weak to say which program a file belongs to. The leftover searches look for paths
// that contain a program's name; with a name like "App" or "Common Files" they would find
// every program's files, so such names never drive a search.
#include <QString>
#include <QStringList>

// Shorter than this (after trimming), a name is too weak.
constexpr int kShortestProgramName = 4;

// The generic names: folders that many programs share, and words that name no program.
const QStringList &GenericFolderNames();

// Empty, shorter than kShortestProgramName, or one of the generic names (ignoring case).
bool IsWeakName(const QString &name);
