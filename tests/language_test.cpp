// The language both programs speak: how it is decided, the translations built into the
// program, the user's remembered choice, and English for every code the lower layers return.

#include "words/language.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>
#include <optional>

#include "tests/words_fixture.h"
#include "words/check_words.h"
#include "words/load_words.h"
#include "words/selection_words.h"
#include "words/update_words.h"

namespace selvio::test {
namespace {

constexpr Language kRu = Language::Russian;
constexpr Language kEn = Language::English;

TEST(LanguageChoice, StrongestSourceFirst) {
  const struct {
    const char* name;
    LanguageSources sources;
    Language expected;
  } cases[] = {
      {"nothing at all", {}, kRu},
      {"C locale", {std::nullopt, {}, std::nullopt, "C"}, kRu},
      {"POSIX locale", {std::nullopt, {}, std::nullopt, "POSIX"}, kRu},
      {"C.UTF-8", {std::nullopt, {}, std::nullopt, "C.UTF-8"}, kRu},
      {"Russian locale", {std::nullopt, {}, std::nullopt, "ru_RU.UTF-8"}, kRu},
      {"English locale", {std::nullopt, {}, std::nullopt, "en_US.UTF-8"}, kEn},
      {"British locale", {std::nullopt, {}, std::nullopt, "en_GB"}, kEn},
      {"English with a modifier", {std::nullopt, {}, std::nullopt, "en@euro"}, kEn},
      {"a locale without a translation", {std::nullopt, {}, std::nullopt, "de_DE.UTF-8"}, kRu},
      {"Ukrainian locale", {std::nullopt, {}, std::nullopt, "uk_UA.UTF-8"}, kRu},
      {"SELVIO_LANG over the locale", {std::nullopt, "ru", std::nullopt, "en_US.UTF-8"}, kRu},
      {"SELVIO_LANG in capitals", {std::nullopt, "EN", std::nullopt, "C"}, kEn},
      {"unknown SELVIO_LANG counts as none", {std::nullopt, "de", std::nullopt, "en_US"}, kEn},
      {"remembered over the locale", {std::nullopt, {}, kRu, "en_US.UTF-8"}, kRu},
      {"SELVIO_LANG over the remembered", {std::nullopt, "en", kRu, "C"}, kEn},
      {"the command line over all", {kRu, "en", kEn, "en_US.UTF-8"}, kRu},
      {"the command line alone", {kEn, {}, std::nullopt, "C"}, kEn},
  };
  for (const auto& c : cases) EXPECT_EQ(DecideLanguage(c.sources), c.expected) << c.name;
}

TEST(LanguageChoice, CodesAndNames) {
  EXPECT_EQ(LanguageNamed("ru"), kRu);
  EXPECT_EQ(LanguageNamed("En"), kEn);
  EXPECT_FALSE(LanguageNamed(""));
  EXPECT_FALSE(LanguageNamed("eng"));
  EXPECT_FALSE(LanguageNamed("en_US"));
  EXPECT_EQ(LanguageCode(kRu), QStringLiteral("ru"));
  EXPECT_EQ(LanguageCode(kEn), QStringLiteral("en"));
}

// Sets an environment variable while it lives, as it was afterwards.
class EnvironmentScope {
 public:
  EnvironmentScope(const char* name, const QByteArray& value)
      : name_(name), had_(qEnvironmentVariableIsSet(name)), previous_(qgetenv(name)) {
    qputenv(name, value);
  }
  ~EnvironmentScope() {
    if (had_) {
      qputenv(name_, previous_);
    } else {
      qunsetenv(name_);
    }
  }

 private:
  const char* name_;
  bool had_;
  QByteArray previous_;
};

TEST(LanguageChoice, MessageLocaleFollowsThePosixOrder) {
  const EnvironmentScope lang("LANG", "de_DE.UTF-8");
  const EnvironmentScope messages("LC_MESSAGES", "en_GB.UTF-8");
  {
    const EnvironmentScope all("LC_ALL", "ru_RU.UTF-8");
    EXPECT_EQ(MessageLocale(), QStringLiteral("ru_RU.UTF-8"));
  }
  const EnvironmentScope all("LC_ALL", "");
  EXPECT_EQ(MessageLocale(), QStringLiteral("en_GB.UTF-8"));
}

// The installed language comes from the environment unless the caller names one, and the
// program's English is built into it (no file beside the program is needed).
TEST(LanguageInstall, FromTheEnvironmentAndBuiltIn) {
  CoreApplication();
  ASSERT_TRUE(QFile::exists(QStringLiteral(":/i18n/selvio_en.qm")));
  const EnvironmentScope all("LC_ALL", "en_US.UTF-8");
  const SelectionMessage pressures{SelectionMessageCode::OutletPressureNotBelowInlet};
  {
    const EnvironmentScope selvio("SELVIO_LANG", "");
    EXPECT_EQ(InstallLanguage(), kEn);
    EXPECT_EQ(InstalledLanguage(), kEn);
    EXPECT_EQ(SelectionMessageText(pressures), QStringLiteral("P2 must be less than P1"));
    EXPECT_EQ(InstallLanguage(std::nullopt, kRu), kRu) << "the remembered choice";
    EXPECT_EQ(SelectionMessageText(pressures), Utf8("Должно быть Р2<Р1"));
  }
  {
    const EnvironmentScope selvio("SELVIO_LANG", "ru");
    EXPECT_EQ(InstallLanguage(), kRu);
    EXPECT_EQ(SelectionMessageText(pressures), Utf8("Должно быть Р2<Р1"));
    EXPECT_EQ(InstallLanguage(kEn), kEn) << "the command line";
    EXPECT_EQ(SelectionMessageText(pressures), QStringLiteral("P2 must be less than P1"));
  }
  UninstallLanguage();
  EXPECT_EQ(InstalledLanguage(), kRu);
  EXPECT_EQ(SelectionMessageText(pressures), Utf8("Должно быть Р2<Р1"));
}

// The user's choice is kept in the user's configuration folder, not in the working folder.
TEST(LanguageInstall, TheUsersChoiceIsRemembered) {
  CoreApplication();
  QTemporaryDir config;
  ASSERT_TRUE(config.isValid());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
  EXPECT_FALSE(RememberedLanguage());
  ASSERT_TRUE(RememberLanguage(kEn));
  EXPECT_EQ(RememberedLanguage(), kEn);
  ASSERT_TRUE(RememberLanguage(kRu));
  EXPECT_EQ(RememberedLanguage(), kRu);
  const QString file = config.filePath(QStringLiteral("Selvio/selvio.conf"));
  ASSERT_TRUE(QFile::exists(file));

  QFile damaged(file);
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
  damaged.write("[General]\nlanguage=klingon\n");
  damaged.close();
  EXPECT_FALSE(RememberedLanguage()) << "a value the program does not speak counts as none";
}

// Every code of the lower layers has its English: no Russian word is left in it.
TEST(EnglishCoverage, EveryCodeHasItsEnglish) {
  const LanguageScope english(kEn);
  std::vector<QString> texts;
  for (int code = 0;
       code <= static_cast<int>(SelectionMessageCode::NoActuatorTryStainlessThermostat); ++code) {
    for (int field = 0; field <= static_cast<int>(InputField::MaintainedTemperature); ++field) {
      texts.push_back(SelectionMessageText(
          {static_cast<SelectionMessageCode>(code), static_cast<InputField>(field), 0.2, 8}));
    }
  }

  ProductCheck check;
  check.kvRequired = 9.58;
  check.kvs = 9;
  check.vapourPressure = 0.7;
  for (int refusal = 1; refusal <= static_cast<int>(CheckRefusal::SteamPressureOutsideSaturation);
       ++refusal) {
    check.status = CheckStatus::OutOfRange;
    check.refusal = static_cast<CheckRefusal>(refusal);
    texts.push_back(CheckVerdictText(check));
  }
  check.status = CheckStatus::BoilingAtInlet;
  texts.push_back(CheckVerdictText(check));
  check.status = CheckStatus::Computed;
  for (const double k : {1.0, 1.2}) {
    check.safetyFactor = k;
    for (const bool exceeds : {false, true}) {
      check.flags.kvExceedsKvs = exceeds;
      check.suggestedProduct.reset();
      texts.push_back(CheckVerdictText(check));
      check.suggestedProduct = ListedProduct{QStringLiteral("VC-25"), 10};
      texts.push_back(CheckVerdictText(check));
    }
  }
  for (int code = 0; code <= static_cast<int>(CheckWarningCode::SteamVelocityBelowAdvice); ++code)
    texts.push_back(CheckWarningText({static_cast<CheckWarningCode>(code), 1, 2}));
  for (int note = 0; note <= static_cast<int>(CheckNote::AbsolutePressure); ++note)
    texts.push_back(CheckNoteText(static_cast<CheckNote>(note), check));

  for (int failure = 1; failure <= static_cast<int>(LoadFailure::SaturationTableMissing);
       ++failure) {
    texts.push_back(LoadFailureText({static_cast<LoadFailure>(failure), "x.xml", 1}));
  }

  for (int status = 1; status <= static_cast<int>(UpdateTransferStatus::NotRestored); ++status) {
    UpdateTransferResult result;
    result.status = static_cast<UpdateTransferStatus>(status);
    result.file = QStringLiteral("x.pdf");
    result.byteLimit = 1000;
    result.catalogueLoad = {LoadFailure::CatalogueNotParsed, {}, 0};
    for (int field = 0; field <= static_cast<int>(UpdateSettingsField::Path); ++field) {
      result.badField = static_cast<UpdateSettingsField>(field);
      texts.push_back(UpdateTransferFailureText(result));
    }
  }
  UpdateTransferResult refused;
  refused.refused = 2;
  for (const CatalogueUpdateEnding ending :
       {CatalogueUpdateEnding::NothingNew, CatalogueUpdateEnding::Updated}) {
    for (const QString& text : CatalogueUpdateMessages(refused, {ending, {}}))
      texts.push_back(text);
  }
  texts.push_back(UpdateSettingsFileProblemText(
      {{}, UpdateSettingsFileProblem::StrayControlCharacter, QStringLiteral("update.dat")}));
  texts.push_back(CatalogueCaption(*std::make_unique<Catalogue>()));

  for (const QString& text : texts) EXPECT_FALSE(HoldsCyrillic(text)) << text.toStdString();
}

}  // namespace
}  // namespace selvio::test
