// An installed copy in a read-only prefix, started with a home of its own: the draw file, a
// draw entered and the settings land in the user's folders, the program's own files are
// found in the prefix. Run by tests/install/check_install.sh, which installs the copy and
// names the installed program in LOTTO_INSTALLED_PROGRAM.

#include <QCoreApplication>
#include <QSettings>
#include <QtTest>
#include <cstdlib>

#include "app/main_window.h"
#include "draws/draw_entry.h"
#include "draws/draw_file.h"
#include "platform/dates.h"
#include "platform/file_io.h"
#include "qt/core/qt_settings_store.h"
#include "support/fakes.h"
#include "support/fixtures.h"

namespace lotto {

class InstalledCopyTest : public QObject {
  Q_OBJECT

  struct Window {
    QtSettingsStore settings;
    testing::FakeServices fakes;
    MainWindow form;
    explicit Window(const std::string& program) : form(services(), program) {
      fakes.clock.todayValue = dayNumber(2026, 12, 9);
    }
    Services services() {
      fakes.settingsInUse = &settings;
      return fakes.services();
    }
  };

  static std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
  }

 private slots:
  void theUsersFoldersHoldWhatTheProgramWrites() {
    const std::string program = environment("LOTTO_INSTALLED_PROGRAM");
    const std::string home = environment("HOME");
    QVERIFY2(!program.empty() && !home.empty(), "LOTTO_INSTALLED_PROGRAM and HOME are needed");
    const std::string prefix = program.substr(0, program.rfind("/bin/"));
    const std::string data = home + "/.local/share/Brunnhold/KalkuAT/";
    const std::string bundled = prefix + "/share/kalkuat/ZahlenAT.dat";
    const std::uint64_t bundledSize = fileSize(bundled);

    {
      Window window(program);
      window.form.onFirstShow();
      QVERIFY(window.fakes.ui.errors.empty());
      QCOMPARE(window.form.files.dataFolder, data);
      QCOMPARE(window.form.files.programFolder, prefix + "/share/kalkuat/");
      QCOMPARE(window.form.internetOptions.updateLink.caption,
               prefix + "/share/kalkuat/Hilfe.html");
      // The bundled history was copied and is on show.
      QCOMPARE(readWholeFile(data + kDrawFileName), readWholeFile(bundled));
      const DrawRecord newest = readDrawFile(bundled).back();
      QCOMPARE(window.form.drawOnShow.shownDate, newest.date);

      // A draw entered goes into the user's copy.
      window.fakes.ui.onModal = [&](ModalDialog& modal) {
        auto& dialog = dynamic_cast<DrawEntryDialog&>(modal);
        dialog.date.setDate(nextDrawDayAfter(newest.date));
        for (std::size_t i = 0; i < 6; ++i) {
          dialog.numbers[i].setValue(static_cast<int>(5 * i + 3));
        }
        dialog.numbers[6].setValue(44);
        return ModalResult::Ok;
      };
      window.form.typeInDraw();
      QVERIFY(window.fakes.ui.errors.empty());
      QCOMPARE(fileSize(data + kDrawFileName), bundledSize + 16);

      // The text sheet of the tips is written into the user's folder as well.
      window.form.printTipSheet();
      QVERIFY(fileExists(data + "Tipp.txt"));

      window.form.options.quersummeTo.setValue(222);
      window.form.onClose();
    }
    const QString settingsFile = QString::fromStdString(home) + "/.config/Brunnhold/KalkuAT.conf";
    QVERIFY2(QFile::exists(settingsFile), qPrintable(settingsFile));
    QCOMPARE(QSettings(settingsFile, QSettings::IniFormat).value("UpDown2").toInt(), 222);

    // The next start keeps the user's history with its entered draw.
    Window again(program);
    again.form.onFirstShow();
    QCOMPARE(fileSize(data + kDrawFileName), bundledSize + 16);
    QCOMPARE(again.form.options.quersummeTo.value(), 222);
    QCOMPARE(again.form.drawOnShow.shownDate, readDrawFile(data + kDrawFileName).back().date);
  }

 private:
  // The first Wednesday or Sunday after a date.
  static double nextDrawDayAfter(double date) {
    double day = date + 1;
    while (dayOfWeek(day) != kSunday && dayOfWeek(day) != kWednesday) ++day;
    return day;
  }
};

}  // namespace lotto

QTEST_GUILESS_MAIN(lotto::InstalledCopyTest)
#include "installed_copy_test.moc"
