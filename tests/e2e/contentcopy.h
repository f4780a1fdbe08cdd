#pragma once

// A copy of the built-in content of the application folder (DIC.DAT, the
// pages, the demo voice and its recordings) in a temporary folder of the
// test's own.

#include "support/files.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class ContentCopyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString content = QStringLiteral(TILVORA_CONTENT_DIR);
        // A content build that made no database or no demo voice is a
        // failure, not a reason to skip.
        ASSERT_TRUE(QFile::exists(content + QStringLiteral("/DIC.DAT"))) << "the content build has not made DIC.DAT";
        ASSERT_TRUE(QFile::exists(content + QStringLiteral("/media/demo/112.mp3")))
            << "the content build has not made the demo voice";
        folder = dir.path();
        QString error;
        ASSERT_TRUE(tilvora::testing::copyApplicationFolder(content, folder, &error)) << error.toStdString();
    }

    QTemporaryDir dir;
    QString folder;
};
