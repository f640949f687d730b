#include "banner.h"

#include "common/links.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <random>

namespace calc {

const std::array<QString, Banner::kTexts>& Banner::texts() {
    static const std::array<QString, kTexts> list{
        common::links::kSiteName +
            QStringLiteral(" — здесь самая большая коллекция ссылок на сайты о программировании "
                           "и веб-дизайне! "),
        QStringLiteral("Цифроид Плюс — калькулятор, сделанный для вас: отмена и повтор действий, "
                       "числа прописью, прозрачность окна и не только! "),
        QStringLiteral("Нравится программа и хотите, чтобы она развивалась дальше? Переведите "
                       "1 доллар или больше на наш кошелёк в электронной платёжной системе: "
                       "000-000-000! "),
        QStringLiteral("Цифроид Плюс идеально подходит для вычислений с большим количеством "
                       "слагаемых! Скачать: ") +
            common::links::kDownloadSite + QStringLiteral(" "),
    };
    return list;
}

Banner::Banner(Random random) : random_(std::move(random)) {}

int Banner::numberFor(float r) {
    // Kept in single precision on every platform: a fused multiply-add would change the
    // boundaries (5/6 must give 4).
    volatile float tripled = r * 3.0f;
    const float sum = tripled + 1.0f;
    return static_cast<int>(std::nearbyint(sum));
}

void Banner::startNext() {
    bsPos_ = 1;
    random_.reseed();
    int number = numberFor(random_.next());
    while (bsLast_ == number) {
        number = numberFor(random_.next());
    }
    bsLast_ = number;
    bsText_ = texts()[static_cast<std::size_t>(number - 1)];
}

QString Banner::line() const {
    const qsizetype ticks = bsPos_ - 1;
    const qsizetype entered = std::min(ticks, bsText_.size() - 1);
    return (QString(kWidth, QLatin1Char(' ')) + bsText_.left(entered)).mid(ticks);
}

void Banner::tick() {
    ++bsPos_;
    if (bsPos_ >= bsText_.size() + kTailTicks) {
        startNext();
    }
}

Banner::Random Banner::clockRandom() {
    auto engine = std::make_shared<std::mt19937>();
    return {
        [engine] {
            engine->seed(static_cast<std::mt19937::result_type>(
                std::chrono::steady_clock::now().time_since_epoch().count()));
        },
        [engine] {
            // 24 random bits: every value is below 1.
            return static_cast<float>((*engine)() >> 8) * 0x1p-24f;
        },
    };
}

} // namespace calc
