// The settings go through a real QSettings file in a temporary folder and come back by
// name and kind.

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <bit>
#include <memory>

#include "app/main_window.h"
#include "draws/draw_file.h"
#include "online/click_script.h"
#include "platform/dates.h"
#include "qt/core/qt_settings_store.h"
#include "support/fakes.h"
#include "support/fixtures.h"

namespace lotto {

class SettingsStoreTest : public QObject {
  Q_OBJECT

 private:
  // Every test has a settings folder of its own.
  std::unique_ptr<QTemporaryDir> configFolder_;

  struct Window {
    testing::TempDir dir;
    QtSettingsStore settings;
    testing::FakeServices fakes;
    MainWindow form{services(), dir.file("kalkuat")};
    Window() {
      writeDrawFile(dir.file(kDrawFileName), dir.file("tmp"),
                    {testing::makeDraw(2025, 1, 5, {3, 11, 19, 25, 33, 41}, 7)});
      fakes.clock.todayValue = dayNumber(2026, 1, 1);
    }
    Services services() {
      fakes.settingsInUse = &settings;
      return fakes.services();
    }
  };

  static QSettings storedFile() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brunnhold", "KalkuAT");
  }

 private slots:
  void init() {
    configFolder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(configFolder_->isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configFolder_->path());
  }

  void valuesAreStoredByNameAndKindAndComeBack() {
    {
      Window first;
      first.form.onFirstShow();
      first.form.options.preferFrequentQuadruples.checked = true;
      first.form.options.quersummeTo.setValue(200);
      first.form.setTipField(2, 1, "13");
      first.form.internetOptions.proxyHost.text = "proxy.example";
      first.form.internetOptions.proxyPort.text = "3128";
      first.form.chartTab.statisticsStart.setDate(dayNumber(2001, 2, 4));
      first.form.onResize(610, 530);
      first.form.onClose();
    }

    QSettings file = storedFile();
    QVERIFY(QFile::exists(file.fileName()));
    QCOMPARE(file.value("Chekcbox7").toInt(), 1);
    QCOMPARE(file.value("Chekcbox8").toInt(), 1);
    QCOMPARE(file.value("Chekcbox11").toInt(), 0);
    QCOMPARE(file.value("UpDown2").toInt(), 200);
    QCOMPARE(file.value("height").toInt(), 530);
    QCOMPARE(file.value("TippTop").toInt(), 84);
    QCOMPARE(file.value("Edit7").toString(), QString("13"));
    QCOMPARE(file.value("Edit8").toString(), QString(""));
    QCOMPARE(file.value("ProxyHostEdit").toString(), QString("proxy.example"));
    // The date is binary: the eight bytes of the double, little-endian.
    const QVariant date = file.value("DateTimePicker2");
    QCOMPARE(date.typeId(), int(QMetaType::QByteArray));
    const QByteArray bytes = date.toByteArray();
    QCOMPARE(bytes.size(), 8);
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits |= std::uint64_t(std::uint8_t(bytes[i])) << (8 * i);
    QCOMPARE(std::bit_cast<double>(bits), dayNumber(2001, 2, 4));

    Window second;
    second.form.onFirstShow();
    QVERIFY(second.form.options.preferFrequentQuadruples.checked);
    QCOMPARE(second.form.options.quersummeTo.value(), 200);
    QCOMPARE(second.form.tips.text(2, 1), std::string("13"));
    QCOMPARE(second.form.internetOptions.proxyPort.text, std::string("3128"));
    QCOMPARE(second.form.chartTab.statisticsStart.date(), dayNumber(2001, 2, 4));
    QCOMPARE(second.form.frame.height, 530);
  }

  // A settings file as an earlier version wrote it, every value away from its default,
  // loads into the window and is written back byte for byte.
  void aFileOfAnEarlierVersionLoadsAndIsWrittenBackUnchanged() {
    QFile fixture(QString(LOTTO_SOURCE_DIR) +
                  "/tests/fixtures/settings/KalkuAT-earlier-version.conf");
    QVERIFY(fixture.open(QIODevice::ReadOnly));
    const QByteArray written = fixture.readAll();
    const QString path = storedFile().fileName();
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(written);
    }

    Window window;
    window.form.onFirstShow();
    const GenerationOptions& options = window.form.options;
    for (const CheckBox* checked :
         {&options.preferFrequentPairs, &options.preferRarePairs, &options.preferRareTriples,
          &options.preferRareQuadruples, &options.onlyPreferredNumbers,
          &options.editPoolBeforeDrawing, &options.preferFrequentTriples,
          &options.preferFrequentQuadruples}) {
      QVERIFY(checked->checked);
    }
    for (const CheckBox* unchecked :
         {&options.preferRareNumbers, &options.preferSeldomNumbers, &options.rejectRunOfThree,
          &options.preferFrequentNumbers, &options.limitOverlap, &options.limitLastDraw,
          &options.limitSecondLastDraw, &options.forcePair, &options.rejectPastDrawMatches}) {
      QVERIFY(!unchecked->checked);
    }
    QCOMPARE(options.quersummeFrom.value(), 111);
    QCOMPARE(options.quersummeTo.value(), 222);
    QCOMPARE(options.overlapLimit.value(), 2);
    QCOMPARE(options.lastDrawLimit.value(), 1);
    QCOMPARE(options.secondLastDrawLimit.value(), 2);
    QCOMPARE(options.pastDrawMatchSize.value(), 4);
    QCOMPARE(options.runBudgetThousands.value(), 250);
    QCOMPARE(options.tipCount.value(), 9);
    const std::vector<std::pair<int, std::vector<std::string>>> tips = {
        {1, {"3", "11", "19", "25", "33", "41"}},
        {7, {"7", "8", "9", "10", "11", "12"}},
        {9, {"1", "2", "3", "4", "5", "45"}},
        {12, {"20", "21", "", "", "", ""}}};
    for (const auto& [tip, numbers] : tips) {
      for (int index = 1; index <= TipGrid::kNumbers; ++index) {
        QCOMPARE(window.form.tips.text(tip, index), numbers[static_cast<std::size_t>(index - 1)]);
      }
    }
    QCOMPARE(window.form.tips.text(2, 1), std::string());
    QCOMPARE(window.form.slipPrinting.slipTop, 90);
    QCOMPARE(window.form.slipPrinting.slipLeft, 31);
    QCOMPARE(window.form.slipPrinting.paperFormat, 2);
    QCOMPARE(window.form.frame.width, 700);
    QCOMPARE(window.form.frame.height, 560);
    QCOMPARE(window.form.internetOptions.proxyHost.text, std::string("proxy.example"));
    QCOMPARE(window.form.internetOptions.proxyPort.text, std::string("3128"));
    QCOMPARE(window.form.internetOptions.server.text, std::string("http://lotto.example:8080"));
    QCOMPARE(window.form.chartTab.statisticsStart.date(), dayNumber(2001, 2, 4));

    QFile::remove(path);
    window.form.onClose();
    QFile rewritten(path);
    QVERIFY(rewritten.open(QIODevice::ReadOnly));
    QCOMPARE(rewritten.readAll(), written);
  }

  void kindsAreTold() {
    {
      QSettings file = storedFile();
      file.setValue("UpDown2", 200);
      file.setValue("UpDown3", QString("abc"));
      file.setValue("Edit1", QByteArray("\x01\x02", 2));
      file.setValue("DateTimePicker2", QString("gestern"));
    }
    QtSettingsStore store;
    store.openKey("Brunnhold\\KalkuAT");
    QCOMPARE(store.readInteger("UpDown2").value_or(0), 200);
    QVERIFY_THROWS_EXCEPTION(SettingsKindError, store.readInteger("UpDown3"));
    QVERIFY_THROWS_EXCEPTION(SettingsKindError, store.readString("Edit1"));
    QVERIFY_THROWS_EXCEPTION(SettingsKindError, store.readBinary("DateTimePicker2"));
    QVERIFY(!store.readInteger("gibt es nicht").has_value());
    store.closeKey();
  }

  // The automation program's settings hold the portal password: its file is its owner's
  // alone, and so is the folder, after the first write and after every later one.
  void theAutomationSettingsAreReadableByTheirOwnerOnly() {
    const mode_t previous = ::umask(022);
    const QString file =
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brunnhold", "Netzlenker")
            .fileName();
    const auto modeOf = [](const QString& path) {
      struct stat st {};
      return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 07777) : 0u;
    };
    for (const char* password : {"geheim", "noch geheimer"}) {
      QtSettingsStore store;
      store.openKey(kAutomationKey);
      store.writeString("KalkuATText2", password);
      store.closeKey();
      QCOMPARE(modeOf(file), 0600u);
      QCOMPARE(modeOf(QFileInfo(file).absolutePath()), 0700u);
    }
    QtSettingsStore store;
    store.openKey(kAutomationKey);
    QCOMPARE(store.readString("KalkuATText2"), std::optional<std::string>("noch geheimer"));
    store.closeKey();
    // A file another program left readable is closed up at the next write.
    ::chmod(QFile::encodeName(file).constData(), 0644);
    store.openKey(kAutomationKey);
    store.writeString("KalkuATZahl1", "1");
    store.closeKey();
    QCOMPARE(modeOf(file), 0600u);
    ::umask(previous);
  }
};

}  // namespace lotto

QTEST_GUILESS_MAIN(lotto::SettingsStoreTest)
#include "settings_store_test.moc"
