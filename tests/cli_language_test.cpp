// The language selvio-cli speaks: --lang over SELVIO_LANG over the locale, Russian where the
// program has no translation; its Russian output the same under every locale.

#include <gtest/gtest.h>

#include <QProcess>

#include "app/cli/language_option.h"
#include "tests/cli_run.h"

namespace selvio::test {
namespace {

TEST(CliLanguageOption, IsTakenOutWhereverItStands) {
  const struct {
    const char* name;
    QStringList arguments;
    std::optional<Language> language;
    std::optional<QString> refused;
    QStringList left;
  } cases[] = {
      {"none",
       {"select", "a.crp", "--json"},
       std::nullopt,
       std::nullopt,
       {"select", "a.crp", "--json"}},
      {"before the command",
       {"--lang", "en", "select", "a.crp"},
       Language::English,
       std::nullopt,
       {"select", "a.crp"}},
      {"after it, joined",
       {"batch", "a.csv", "--lang=ru"},
       Language::Russian,
       std::nullopt,
       {"batch", "a.csv"}},
      {"the last one counts",
       {"--lang", "ru", "update", "--lang", "EN"},
       Language::English,
       std::nullopt,
       {"update"}},
      {"an unknown language",
       {"--lang", "de", "select"},
       std::nullopt,
       QStringLiteral("de"),
       {"select"}},
      {"no language after it", {"select", "--lang"}, std::nullopt, QString(), {"select"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QStringList arguments = c.arguments;
    const LanguageOption option = TakeLanguageOption(arguments);
    EXPECT_EQ(option.language, c.language);
    EXPECT_EQ(option.refusedCode, c.refused);
    EXPECT_EQ(arguments, c.left);
  }
  EXPECT_EQ(LanguageOptionRefusal({std::nullopt, QStringLiteral("de")}),
            QString::fromUtf8("Неизвестный язык: de (допустимы ru и en)"));
  EXPECT_EQ(LanguageOptionRefusal({std::nullopt, QString()}),
            QString::fromUtf8("После --lang нужен язык: ru или en"));
  EXPECT_TRUE(LanguageOptionRefusal({Language::English, std::nullopt}).isEmpty());
}

TEST(CliLanguageOption, HelpNamesIt) {
  const RunResult help = RunInProcess({"--help"});
  EXPECT_TRUE(help.out.contains(QStringLiteral("--lang ru|en"))) << help.out.toStdString();
}

// The built program with `arguments` under the locale `locale` and SELVIO_LANG `selvioLang`
// (unset when empty).
ProcessResult RunUnder(const QStringList& arguments, const char* locale, const char* selvioLang) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"LC_ALL", "LANG", "LC_MESSAGES", "LANGUAGE", "SELVIO_LANG"})
    environment.remove(QString::fromLatin1(name));
  environment.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
  environment.insert(QStringLiteral("LANG"), QString::fromLatin1(locale));
  if (*selvioLang)
    environment.insert(QStringLiteral("SELVIO_LANG"), QString::fromLatin1(selvioLang));
  environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(SELVIO_CLI_PATH), arguments);
  ProcessResult result;
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
    ADD_FAILURE() << "selvio-cli did not finish";
    return result;
  }
  result.status = process.exitCode();
  result.out = process.readAllStandardOutput();
  result.err = process.readAllStandardError();
  return result;
}

class CliLanguage : public ::testing::Test {
 protected:
  QStringList Example(std::initializer_list<QString> language = {}) const {
    const QString data = EnvPath("SELVIO_DATA_DIR");
    QStringList arguments = language;
    arguments << "select" << data + "/example.crp"
              << "--dir" << data;
    return arguments;
  }
};

// The example's check: "Kvs достаточен: по МЭК ..." in Russian, "Kvs is sufficient: IEC ..." in
// English; the figures' labels are not translated yet, the check's own words are.
TEST_F(CliLanguage, LocaleEnvironmentAndOptionDecide) {
  const QByteArray russianVerdict = QByteArray("Kvs достаточен: по МЭК требуется Kv 10.77");
  const QByteArray englishVerdict = QByteArray("Kvs is sufficient: IEC requires Kv 10.77");
  const struct {
    const char* name;
    QStringList arguments;
    const char* locale;
    const char* selvioLang;
    bool english;
  } cases[] = {
      {"C", Example(), "C", "", false},
      {"C.UTF-8", Example(), "C.UTF-8", "", false},
      {"Russian locale", Example(), "ru_RU.UTF-8", "", false},
      {"English locale", Example(), "en_US.UTF-8", "", true},
      {"English locale, SELVIO_LANG=ru", Example(), "en_US.UTF-8", "ru", false},
      {"C, SELVIO_LANG=en", Example(), "C", "en", true},
      {"English locale, --lang ru", Example({"--lang", "ru"}), "en_US.UTF-8", "", false},
      {"Russian locale, --lang en", Example({"--lang", "en"}), "ru_RU.UTF-8", "ru", true},
  };
  const ProcessResult reference = RunUnder(Example(), "C", "");
  ASSERT_EQ(reference.status, 0) << reference.err.toStdString();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ProcessResult run = RunUnder(c.arguments, c.locale, c.selvioLang);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.contains(englishVerdict), c.english);
    EXPECT_EQ(run.out.contains(russianVerdict), !c.english);
    // Russian is the same whatever the locale; numbers keep their point in English too.
    if (!c.english) {
      EXPECT_EQ(run.out.toStdString(), reference.out.toStdString());
    }
  }
}

TEST_F(CliLanguage, AnUnknownLanguageIsRefused) {
  const ProcessResult run = RunUnder(Example({"--lang", "de"}), "C.UTF-8", "");
  EXPECT_EQ(run.status, kRefusedStatus);
  EXPECT_TRUE(run.out.isEmpty());
  EXPECT_EQ(QString::fromUtf8(run.err),
            QString::fromUtf8("Неизвестный язык: de (допустимы ru и en)\n"));
  const ProcessResult english = RunUnder({"select", "--lang"}, "en_US.UTF-8", "");
  EXPECT_EQ(english.status, kRefusedStatus);
  EXPECT_EQ(english.err.toStdString(), "--lang needs a language: ru or en\n");
}

}  // namespace
}  // namespace selvio::test
