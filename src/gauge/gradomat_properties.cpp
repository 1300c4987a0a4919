#include <QFont>
#include <QSignalBlocker>
#include <limits>
#include <optional>

#include "gauge_range.h"
#include "gradomat.h"
#include "gradomat_defaults.h"

namespace vendrel {
namespace {

namespace defaults = gradomat_defaults;

constexpr qint64 kLowestCode = std::numeric_limits<qint32>::min();
constexpr qint64 kHighestCode = std::numeric_limits<qint32>::max();
constexpr qint64 kLowestValue = std::numeric_limits<qint16>::min();
constexpr qint64 kHighestValue = std::numeric_limits<qint16>::max();

// Saved form data as it comes: names in any case, numbers as numbers or text. A missing
// entry gives the default; an entry that cannot be taken gives the default and a problem.
class SavedData {
 public:
  explicit SavedData(const QVariantMap& stored) : stored_(stored) {}

  qint64 WholeNumber(const char* name, qint64 fallback, qint64 lowest, qint64 highest) {
    const QVariant* entry = Find(name);
    if (!entry) return fallback;
    bool ok = false;
    const qint64 number = entry->toLongLong(&ok);
    if (ok && number >= lowest && number <= highest) return number;
    problems_ << QStringLiteral("The saved %1 \"%2\" is not a whole number from %3 to %4; %1 takes "
                                "its default %5.")
                     .arg(QLatin1String(name), entry->toString())
                     .arg(lowest)
                     .arg(highest)
                     .arg(fallback);
    return fallback;
  }

  QColor Colour(const char* name, qint32 fallback) {
    return Gradomat::ColourFromCode(
        static_cast<qint32>(WholeNumber(name, fallback, kLowestCode, kHighestCode)));
  }

  bool Flag(const char* name, bool fallback) {
    const QVariant* entry = Find(name);
    return entry ? entry->toBool() : fallback;
  }

  QString Text(const char* name) {
    const QVariant* entry = Find(name);
    return entry ? entry->toString() : QString();
  }

  // No font, or one that cannot be read, leaves the ambient font.
  QFont Font(const char* name) {
    const QVariant* entry = Find(name);
    if (!entry) return {};
    if (entry->typeId() == QMetaType::QFont) return entry->value<QFont>();
    QFont font;
    if (font.fromString(entry->toString())) return font;
    problems_ << QStringLiteral("The saved %1 \"%2\" is not a font; the ambient font is used.")
                     .arg(QLatin1String(name), entry->toString());
    return {};
  }

  void AddProblem(const QString& problem) { problems_ << problem; }
  QStringList Problems() const { return problems_; }

 private:
  const QVariant* Find(const char* name) const {
    for (auto entry = stored_.cbegin(); entry != stored_.cend(); ++entry) {
      if (entry.key().compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return &entry.value();
    }
    return nullptr;
  }

  const QVariantMap& stored_;
  QStringList problems_;
};

}  // namespace

QVariantMap Gradomat::WriteProperties() const {
  QVariantMap stored;
  const auto keep = [&stored](const char* name, const QVariant& property, const QVariant& fallback) {
    if (property != fallback) stored.insert(QString::fromLatin1(name), property);
  };
  keep("BackColor", CodeFromColour(backColor_), defaults::kBackColor);
  keep("ForeColor", CodeFromColour(foreColor_), defaults::kForeColor);
  keep("Value", static_cast<int>(value_), static_cast<int>(defaults::kValue));
  keep("Max", static_cast<int>(max_), static_cast<int>(defaults::kMax));
  keep("Min", static_cast<int>(min_), static_cast<int>(defaults::kMin));
  keep("BarType", static_cast<int>(barType_), static_cast<int>(TYPE_Meterkin));
  keep("SecForeColor", CodeFromColour(secondForeColor_), defaults::kSecForeColor);
  keep("ShowLabel", ShowLabel(), false);
  keep("LabelAdd", labelAdd_, QString());
  if (testAttribute(Qt::WA_SetFont)) stored.insert(QStringLiteral("Font"), font());
  keep("TextColor", CodeFromColour(TextColor()), defaults::kTextColor);
  return stored;
}

QStringList Gradomat::ReadProperties(const QVariantMap& stored) {
  SavedData saved(stored);
  const qint64 value = saved.WholeNumber("Value", defaults::kValue, kLowestValue, kHighestValue);
  qint64 max = saved.WholeNumber("Max", defaults::kMax, kLowestValue, kHighestValue);
  qint64 min = saved.WholeNumber("Min", defaults::kMin, kLowestValue, kHighestValue);
  if (const QString problem = GaugeRangeProblem(max, min); !problem.isEmpty()) {
    saved.AddProblem(QStringLiteral("The saved %1; Max and Min take their defaults.").arg(problem));
    max = defaults::kMax;
    min = defaults::kMin;
  }
  const qint64 barType =
      saved.WholeNumber("BarType", TYPE_Meterkin, kLowestCode, kHighestCode);

  // Loading is not a change the host should hear of.
  const QSignalBlocker quiet(this);
  // These setters do not clamp; they store, then draw with the range still unchanged.
  SetBackColor(saved.Colour("BackColor", defaults::kBackColor));
  SetForeColor(saved.Colour("ForeColor", defaults::kForeColor));
  SetSecondForeColor(saved.Colour("SecForeColor", defaults::kSecForeColor));
  SetBarType(static_cast<BAR_TYPE_CONSTANTS>(barType));
  SetShowLabel(saved.Flag("ShowLabel", false));
  SetLabelAdd(saved.Text("LabelAdd"));
  setFont(saved.Font("Font"));
  SetTextColor(saved.Colour("TextColor", defaults::kTextColor));
  // Taken as saved, without the setters' clamping. The bar glides from where it stands.
  value_ = static_cast<qint16>(value);
  max_ = static_cast<qint16>(max);
  min_ = static_cast<qint16>(min);
  ResizeLayout();
  return saved.Problems();
}

}  // namespace vendrel
