#include "Conversion.h"

#include <QtTest>

class ParamsTest : public QObject {
    Q_OBJECT
private slots:
    void smoke() { QCOMPARE(int(ign::ToByte(ign::Conversion::Div100, 1250)), 12); }
};

QTEST_GUILESS_MAIN(ParamsTest)
#include "test_params.moc"
