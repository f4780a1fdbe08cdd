// tilvora-fold: writes standard input to standard output in the searchable
// form of Arabic text (see store/arabicfold.h). The content build passes the
// searchable text of every verse through it, so that the stored text and the
// program's search texts are folded by the same function.

#include "store/arabicfold.h"

#include <QFile>

#include <cstdio>

int main()
{
    QFile in;
    QFile out;
    if (!in.open(stdin, QIODevice::ReadOnly) || !out.open(stdout, QIODevice::WriteOnly))
        return 1;
    const QString text = QString::fromUtf8(in.readAll());
    const QByteArray folded = tilvora::store::foldArabic(text).toUtf8();
    if (out.write(folded) != folded.size() || !out.flush())
        return 1;
    return 0;
}
