#pragma once
// A temporary folder for file tests, removed at the end of the test.

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class TempFolder {
public:
    TempFolder() { EXPECT_TRUE(dir_.isValid()); }
    QString Path() const { return dir_.path(); }
    QString File(const QString& name) const { return QDir(dir_.path()).filePath(name); }

private:
    QTemporaryDir dir_;
};
