#include "keytable.h"

#include "calcengine.h"

namespace calc {

namespace {

using Press = std::function<void(CalcEngine&)>;

Key option(const char* name, const char* caption, Speech speech, int column, bool degrees) {
    Key key{name, caption, speech, KeyKind::Option, KeyGroup::Unit, 0, column};
    key.press = [degrees](CalcEngine& e) { e.selectUnit(degrees); };
    return key;
}

// A key of the keypad's grid that is no digit and no two-operand operator.
Key keypad(const char* name, const char* caption, Speech speech, KeyKind kind, int row, int column,
           Press press, Command command = Command::None, int rowSpan = 1) {
    Key key{name, caption, speech, kind, KeyGroup::Keypad, row, column};
    key.press = std::move(press);
    key.command = command;
    key.rowSpan = rowSpan;
    return key;
}

Key digit(const char* name, const char* digits, Speech speech, int row, int column) {
    Key key{name, digits, speech, KeyKind::Digit, KeyGroup::Keypad, row, column};
    key.press = [text = QString::fromLatin1(digits)](CalcEngine& e) { e.digits(text); };
    return key;
}

Key operation(const char* name, const char* sign, Speech speech, Pending operation, int row) {
    Key key{name, sign, speech, KeyKind::Operator, KeyGroup::Keypad, row, 3};
    key.press = [operation](CalcEngine& e) { e.operatorKey(operation); };
    return key;
}

Key science(const char* name, const char* caption, Speech speech, int row, int column,
            Press press) {
    Key key{name, caption, speech, KeyKind::Science, KeyGroup::Science, row, column};
    key.press = std::move(press);
    return key;
}

Key trig(const char* name, const char* caption, Speech speech, Trig function, int row, int column) {
    return science(name, caption, speech, row, column,
                   [function](CalcEngine& e) { e.trigKey(function); });
}

Key unary(const char* name, const char* caption, Speech speech, Unary function, int row,
          int column) {
    return science(name, caption, speech, row, column,
                   [function](CalcEngine& e) { e.unaryKey(function); });
}

Key memory(const char* name, const char* caption, Speech speech, int row, Press press) {
    return {name, caption, speech, KeyKind::Memory, KeyGroup::Memory, row, 0, std::move(press)};
}

Key tool(const char* name, const char* caption, Speech speech, int row, int column,
         Command command) {
    return {name, caption, speech, KeyKind::Tool, KeyGroup::Tools, row, column, {}, command};
}

} // namespace

const std::vector<Key>& keys() {
    static const std::vector<Key> table{
        option("Rad", "Радианы",
               {"радианы", "Считать углы в радианах; число на дисплее переводится в радианы"}, 0,
               false),
        option("Grad", "Градусы",
               {"градусы", "Считать углы в градусах; число на дисплее переводится в градусы"}, 1,
               true),

        trig("sin1", "sin", {"синус", "Синус угла на дисплее"}, Trig::Sin, 0, 0),
        trig("cos1", "cos", {"косинус", "Косинус угла на дисплее"}, Trig::Cos, 0, 1),
        trig("tg1", "tg", {"тангенс", "Тангенс угла на дисплее"}, Trig::Tan, 0, 2),
        trig("ctg1", "ctg", {"котангенс", "Котангенс угла на дисплее"}, Trig::Cot, 0, 3),
        trig("sc1", "sc", {"секанс", "Секанс угла на дисплее"}, Trig::Sec, 0, 4),
        trig("csc1", "csc", {"косеканс", "Косеканс угла на дисплее"}, Trig::Csc, 1, 0),
        science("acs", "acos", {"арккосинус", "Угол, косинус которого равен числу на дисплее"}, 1,
                1, [](CalcEngine& e) { e.arcCosKey(); }),
        science("asn", "asin", {"арксинус", "Угол, синус которого равен числу на дисплее"}, 1, 2,
                [](CalcEngine& e) { e.arcSinKey(); }),
        unary("X2", "x^2", {"икс в квадрате", "Возвести число на дисплее в квадрат"}, Unary::Square,
              1, 3),
        unary("X3", "x^3", {"икс в кубе", "Возвести число на дисплее в куб"}, Unary::Cube, 1, 4),
        science("xy", "x^y",
                {"икс в степени y",
                 "Возвести число на дисплее в степень: наберите показатель и нажмите «равно»"},
                2, 0, [](CalcEngine& e) { e.powerKey(); }),
        unary("sqr1", "sqr", {"квадратный корень", "Квадратный корень из числа на дисплее"},
              Unary::Sqrt, 2, 1),
        science("exp1", "sqr^y",
                {"корень степени y",
                 "Извлечь корень из числа на дисплее: наберите степень корня и нажмите «равно»"},
                2, 2, [](CalcEngine& e) { e.rootKey(); }),
        unary("onedx", "1/x", {"единица, делённая на икс", "Разделить единицу на число на дисплее"},
              Unary::Reciprocal, 2, 3),
        unary("log2", "int",
              {"целая часть", "Наибольшее целое число, не превосходящее число на дисплее"},
              Unary::Floor, 2, 4),
        unary("Command13", "2^x",
              {"два в степени икс", "Возвести два в степень, равную числу на дисплее"}, Unary::Pow2,
              3, 0),
        unary("x10", "10^x",
              {"десять в степени икс", "Возвести десять в степень, равную числу на дисплее"},
              Unary::Pow10, 3, 1),
        unary("Command10", "e^x",
              {"е в степени икс", "Возвести число е в степень, равную числу на дисплее"},
              Unary::PowE, 3, 2),
        unary("Command12", "exp",
              {"экспонента", "Экспонента числа на дисплее: число е в этой степени"}, Unary::Exp, 3,
              3),
        unary("Command9", "ln", {"натуральный логарифм", "Натуральный логарифм числа на дисплее"},
              Unary::Ln, 3, 4),
        unary("Command11", "pi^x",
              {"пи в степени икс", "Возвести число пи в степень, равную числу на дисплее"},
              Unary::PowPi, 4, 0),
        unary("Command14", "x*10", {"умножить на десять", "Умножить число на дисплее на десять"},
              Unary::Times10, 4, 1),
        unary("xd10", "x/10", {"разделить на десять", "Разделить число на дисплее на десять"},
              Unary::Div10, 4, 2),
        science("cnste", "e", {"число е", "Показать число е, основание натуральных логарифмов"}, 4,
                3, [](CalcEngine& e) { e.constantKey(constantE()); }),
        science("cpi", "pi", {"число пи", "Показать число пи"}, 4, 4,
                [](CalcEngine& e) { e.constantKey(constantPi()); }),

        memory("Command4", "Mrc",
               {"вызвать из памяти", "Показать число из выбранной ячейки памяти", "клавиша R"}, 0,
               [](CalcEngine& e) { e.memoryRecall(); }),
        memory("Command5", "m+",
               {"прибавить к памяти", "Прибавить число на дисплее к выбранной ячейке памяти",
                "клавиша M"},
               1, [](CalcEngine& e) { e.memoryAdd(); }),
        memory("Command6", "m-",
               {"вычесть из памяти", "Вычесть число на дисплее из выбранной ячейки памяти"}, 2,
               [](CalcEngine& e) { e.memorySubtract(); }),
        memory("Clear", "Clear", {"очистить ячейку памяти", "Очистить выбранную ячейку памяти"}, 3,
               [](CalcEngine& e) { e.memoryClear(); }),

        keypad("CE", "C",
               {"сброс", "Поставить на дисплей ноль и отменить начатое действие", "клавиша C"},
               KeyKind::Edit, 0, 0, [](CalcEngine& e) { e.clear(); }),
        keypad("bk", "bk",
               {"стереть последний символ", "Стереть последний символ на дисплее",
                "клавиша Backspace"},
               KeyKind::Edit, 0, 1, [](CalcEngine& e) { e.backspace(); }),
        keypad("Command3", "+/-", {"сменить знак", "Сменить знак числа на дисплее"}, KeyKind::Edit,
               0, 2, [](CalcEngine& e) { e.negate(); }),
        keypad(
            "procent", "%",
            {"процент", "Закончить действие, считая число на дисплее процентами от первого числа"},
            KeyKind::Operator, 0, 3, [](CalcEngine& e) { e.percent(); }),
        keypad("Command1", "OFF", {"выход", "Закрыть калькулятор"}, KeyKind::Off, 0, 4, {},
               Command::Quit),
        digit("B7", "7", {"семь", "Набрать цифру 7", "клавиша 7"}, 1, 0),
        digit("B8", "8", {"восемь", "Набрать цифру 8", "клавиша 8"}, 1, 1),
        digit("B9", "9", {"девять", "Набрать цифру 9", "клавиша 9"}, 1, 2),
        operation("delit", "/",
                  {"разделить", "Разделить число на дисплее на следующее",
                   "клавиша / на цифровой клавиатуре"},
                  Pending::Divide, 1),
        digit("B4", "4", {"четыре", "Набрать цифру 4", "клавиша 4"}, 2, 0),
        digit("B5", "5", {"пять", "Набрать цифру 5", "клавиша 5"}, 2, 1),
        digit("B6", "6", {"шесть", "Набрать цифру 6", "клавиша 6"}, 2, 2),
        operation("umn", "*",
                  {"умножить", "Умножить число на дисплее на следующее",
                   "клавиша * на цифровой клавиатуре"},
                  Pending::Multiply, 2),
        digit("B1", "1", {"один", "Набрать цифру 1", "клавиша 1"}, 3, 0),
        digit("B2", "2", {"два", "Набрать цифру 2", "клавиша 2"}, 3, 1),
        digit("B3", "3", {"три", "Набрать цифру 3", "клавиша 3"}, 3, 2),
        operation(
            "minus", "-",
            {"минус", "Вычесть из числа на дисплее следующее", "клавиша − на цифровой клавиатуре"},
            Pending::Subtract, 3),
        digit("null", "0", {"ноль", "Набрать цифру 0", "клавиша 0"}, 4, 0),
        digit("tynull", "00", {"два нуля", "Набрать два нуля"}, 4, 1),
        keypad(
            "Tck", ",",
            {"запятая", "Набрать десятичную запятую", "десятичная клавиша на цифровой клавиатуре"},
            KeyKind::Digit, 4, 2, [](CalcEngine& e) { e.comma(); }),
        operation(
            "plus", "+",
            {"плюс", "Прибавить к числу на дисплее следующее", "клавиша + на цифровой клавиатуре"},
            Pending::Add, 4),
        keypad(
            "ravno", "=", {"равно", "Закончить действие и показать результат", "клавиша Enter"},
            KeyKind::Equals, 1, 4, [](CalcEngine& e) { e.equals(); }, Command::None, 4),

        tool("Command7", "Решить уравнение", {"решить уравнение", "Открыть окно решения уравнений"},
             0, 0, Command::Equations),
        tool("treug", "Треугольник", {"треугольник", "Открыть окно расчёта треугольника"}, 0, 1,
             Command::Triangle),
        tool("Command2", "Вектор", {"вектор", "Открыть окно действий с векторами"}, 1, 0,
             Command::Vector),
        tool("Command8", "Дробный калькулятор",
             {"дробный калькулятор", "Открыть калькулятор обыкновенных дробей"}, 1, 1,
             Command::Fractions),
    };
    return table;
}

const Key* keyNamed(QStringView name) {
    for (const Key& key : keys()) {
        if (name == QLatin1String(key.name)) {
            return &key;
        }
    }
    return nullptr;
}

const Key* keyCaptioned(QStringView caption) {
    for (const Key& key : keys()) {
        if (caption == QString::fromUtf8(key.caption)) {
            return &key;
        }
    }
    return nullptr;
}

} // namespace calc
