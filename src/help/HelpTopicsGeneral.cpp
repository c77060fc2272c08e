#include "help/HelpCatalog.h"

// Help topics 109-171 of the catalogue, in build order.
void AddGeneralHelpTopics(QList<HelpEntry>& entries)
{
    AddHelpEntry(entries, QStringLiteral("MATH"),
                 {QStringLiteral("MATH"), QStringLiteral("OPERATORS"), QStringLiteral("ARITHMETIC")},
                 QStringLiteral("BASICS"),
                 QStringLiteral("Type a calculation on a line and press Enter to see the answer."),
                 QStringLiteral("MATH\n"
                                "\n"
                                "Type a calculation on a line of the pad and\n"
                                "press Enter. Sumvelle writes the answer in bold\n"
                                "on the next line and shows it in the status bar\n"
                                "as \"Value = ...\". A line it cannot work out\n"
                                "answers -Cannot Solve-.\n"
                                "\n"
                                "Operators:\n"
                                "  ( )     parentheses\n"
                                "  !       factorial, written after a value\n"
                                "  %       percent, written after a value\n"
                                "  ^       power\n"
                                "  * / \u00F7   multiply and divide\n"
                                "  + -     add and subtract\n"
                                "Powers are worked out before multiplication and\n"
                                "division, and those before addition and\n"
                                "subtraction.\n"
                                "\n"
                                "A number next to a parenthesis or a name is\n"
                                "multiplied by it, and numbers may use an\n"
                                "exponent (3.5e2) and thousands commas (1,000).\n"
                                "Parentheses left open at the end of a line are\n"
                                "closed for you when you press Enter. A\n"
                                "comparison of two values with =, <, >, <=, >=\n"
                                "or <> answers TRUE or FALSE.\n"
                                "\n"
                                "Examples:\n"
                                "  2 + 3 * 4      -> 14\n"
                                "  (2+3)*4        -> 20\n"
                                "  2^10           -> 1024\n"
                                "  7/2            -> 3.5\n"
                                "  8\u00F72            -> 4\n"
                                "  2(3+4)         -> 14\n"
                                "  3.5e2          -> 350\n"
                                "  1,000 + 1      -> 1001\n"
                                "  2PI            -> 6.28318530717959\n"
                                "  PI*5^2         -> 78.539816339745\n"
                                "  4 >= 4         -> TRUE\n"
                                "  3 <> 4         -> TRUE\n"
                                "\n"
                                "The operators are also on Tools > Math >\n"
                                "Operators, which types them into the pad at the\n"
                                "cursor.\n"
                                "\n"
                                "See also: HELP PERCENT, HELP FACTORIAL,\n"
                                "HELP FUNCTIONS, HELP ANS"));

    AddHelpEntry(entries, QStringLiteral("PERCENT (%)"),
                 {QStringLiteral("PERCENT"), QStringLiteral("PERCENTAGE"), QStringLiteral("PERCENT OPERATOR")},
                 QStringLiteral("BASICS"), QStringLiteral("The % sign after a value divides it by 100."),
                 QStringLiteral("PERCENT (%)\n"
                                "\n"
                                "A % sign written after a value divides that\n"
                                "value by 100, so 15% is 0.15. It is a plain\n"
                                "division: 100+10% adds 0.1, not ten percent of\n"
                                "100. To take a percentage of an amount,\n"
                                "multiply, or use OF.\n"
                                "\n"
                                "Examples:\n"
                                "  50%            -> 0.5\n"
                                "  200*15%        -> 30\n"
                                "  100+10%        -> 100.1\n"
                                "  15% of 200     -> 30\n"
                                "\n"
                                "See also: HELP OF, HELP PERCENTCHANGE,\n"
                                "HELP MARKUP"));

    AddHelpEntry(entries, QStringLiteral("OF OPERATOR"),
                 {QStringLiteral("OF"), QStringLiteral("OF OPERATOR"), QStringLiteral("PERCENT OF"),
                  QStringLiteral("PERCENTAGE LANGUAGE")},
                 QStringLiteral("BASICS"),
                 QStringLiteral("The word OF multiplies, so 15% of 200 reads as it is spoken."),
                 QStringLiteral("OF OPERATOR\n"
                                "\n"
                                "While word operators are on, the word OF stands\n"
                                "for multiplication. Together with the % sign it\n"
                                "lets you write percentages the way you say\n"
                                "them. Case does not matter.\n"
                                "\n"
                                "Examples:\n"
                                "  15% of 200     -> 30\n"
                                "  20% OF 50      -> 10\n"
                                "\n"
                                "With word operators off (MENU WORD OPERATORS\n"
                                "OFF) OF is not read as an operator.\n"
                                "\n"
                                "See also: HELP PERCENT, HELP WORD OPERATORS"));

    AddHelpEntry(entries, QStringLiteral("FACTORIAL (!)"),
                 {QStringLiteral("FACTORIAL"), QStringLiteral("FACTORIAL OPERATOR")}, QStringLiteral("BASICS"),
                 QStringLiteral("The ! sign after a whole number gives its factorial."),
                 QStringLiteral("FACTORIAL (!)\n"
                                "\n"
                                "n! multiplies the whole numbers from 1 to n; 0!\n"
                                "is 1. The value must be a whole number of zero\n"
                                "or more: 2.5! answers -Cannot Solve-.\n"
                                "\n"
                                "Examples:\n"
                                "  5!             -> 120\n"
                                "  0!             -> 1\n"
                                "  3!+1           -> 7\n"
                                "  10!            -> 3628800\n"
                                "\n"
                                "See also: HELP MATH"));

    AddHelpEntry(entries, QStringLiteral("UNIT CONVERSIONS"),
                 {QStringLiteral("CONVERSIONS"), QStringLiteral("CONVERSION"), QStringLiteral("UNIT CONVERSIONS"),
                  QStringLiteral("CONVERSIONS OVERVIEW"), QStringLiteral("UNITS"), QStringLiteral("CONVERT"),
                  QStringLiteral("TO")},
                 QStringLiteral("CONVERSIONS"),
                 QStringLiteral("Convert a value between units by writing value, unit, TO and the target unit."),
                 QStringLiteral("UNIT CONVERSIONS\n"
                                "\n"
                                "Write a value, its unit, the word TO and the\n"
                                "unit you want. Units can be written by symbol\n"
                                "or by name, in upper or lower case.\n"
                                "\n"
                                "Examples:\n"
                                "  5 in to cm         -> 12.7\n"
                                "  12 in to ft        -> 1\n"
                                "  5 feet to meters   -> 1.524\n"
                                "  1 mi TO km         -> 1.609344\n"
                                "  10 lb to kg        -> 4.5359237\n"
                                "  1 gal to L         -> 3.785411784\n"
                                "  100 C to F         -> 212\n"
                                "  32 F to C          -> 0\n"
                                "\n"
                                "Units convert only within their own kind:\n"
                                "length, area, volume, mass, temperature, speed,\n"
                                "pressure, energy and power, data, electrical\n"
                                "and a few others. Tools > Math > Conversions\n"
                                "lists common conversions by kind and types them\n"
                                "into the pad; with predictive text on, the\n"
                                "suggestions offer the unit names and the TO\n"
                                "forms as you type.\n"
                                "\n"
                                "See also: HELP PREDICTIVE TEXT"));

    AddHelpEntry(entries, QStringLiteral("SIMPLIFY <expression or equation>"),
                 {QStringLiteral("SIMPLIFY"), QStringLiteral("SIMPLIFIER"), QStringLiteral("SIMPLIFICATION"),
                  QStringLiteral("SIMPLIFY EQUATION"), QStringLiteral("SIMPLIFY EXPRESSION")},
                 QStringLiteral("COMMANDS"),
                 QStringLiteral("Rewrites an expression or equation in a simpler algebraic form."),
                 QStringLiteral("SIMPLIFY <expression or equation>\n"
                                "\n"
                                "SIMPLIFY collects like terms, multiplies out\n"
                                "products and tidies powers, leaving letters as\n"
                                "symbols instead of looking up variables. An\n"
                                "equation is simplified on both sides. The\n"
                                "status bar says Simplified, or Cannot Simplify\n"
                                "when the text cannot be read.\n"
                                "\n"
                                "Examples:\n"
                                "  SIMPLIFY 2x+3x       -> 5*x\n"
                                "  SIMPLIFY x*x         -> x^2\n"
                                "  SIMPLIFY 2(x+1)      -> 2*x + 2\n"
                                "  SIMPLIFY 3x-x+4      -> 2*x + 4\n"
                                "  SIMPLIFY x+x=10      -> 2*x = 10\n"
                                "\n"
                                "Tools > Calculator > Simplify Expression types\n"
                                "the command for you.\n"
                                "\n"
                                "See also: HELP ISOLATE, HELP EQUATIONS"));

    AddHelpEntry(entries, QStringLiteral("ISOLATE <variable>, <equation>"),
                 {QStringLiteral("ISOLATE"), QStringLiteral("ISOLATION"), QStringLiteral("SOLVE FOR"),
                  QStringLiteral("SOLVEFOR"), QStringLiteral("REARRANGE EQUATION"), QStringLiteral("SYMBOLIC SOLVE")},
                 QStringLiteral("EQUATIONS"),
                 QStringLiteral("Rearranges an equation so that one variable stands alone."),
                 QStringLiteral("ISOLATE <variable>, <equation>\n"
                                "\n"
                                "ISOLATE rearranges the equation so that the\n"
                                "named variable stands alone on the left, and\n"
                                "writes the result as an equation. Other letters\n"
                                "stay symbols. The status bar says Isolated, or\n"
                                "Cannot Isolate when the variable cannot be\n"
                                "brought to one side.\n"
                                "\n"
                                "Examples:\n"
                                "  ISOLATE x, 2x+3=7      -> x = 2\n"
                                "  ISOLATE y, x+y=10      -> y = 10 - x\n"
                                "  ISOLATE x, y=2x+4      -> x = (y - 4)/2\n"
                                "\n"
                                "To get a number instead of a formula, type the\n"
                                "equation itself: the solver answers it. Tools >\n"
                                "Calculator > Isolate Variable types the command\n"
                                "for you.\n"
                                "\n"
                                "See also: HELP SIMPLIFY, HELP EQUATIONS"));

    AddHelpEntry(entries, QStringLiteral("FUNCTIONS"),
                 {QStringLiteral("FUNCTIONS"), QStringLiteral("FUNCTION"), QStringLiteral("MATH FUNCTIONS"),
                  QStringLiteral("FUNCTIONS OVERVIEW")},
                 QStringLiteral("BASICS"),
                 QStringLiteral("An overview of the built-in functions and how to call them."),
                 QStringLiteral("FUNCTIONS OVERVIEW\n"
                                "\n"
                                "A function is called by its name followed by\n"
                                "its arguments in parentheses, separated by\n"
                                "commas. Names may be typed in any case, and a\n"
                                "function call can be used anywhere a number\n"
                                "can.\n"
                                "\n"
                                "Examples:\n"
                                "  SQRT(144)            -> 12\n"
                                "  ROUND(2, 3.14159)    -> 3.14\n"
                                "  MAX(4, 9, 2)         -> 9\n"
                                "  SIN(RAD(30))         -> 0.5\n"
                                "  AVG(2, 4, 9)         -> 5\n"
                                "\n"
                                "The functions come in groups:\n"
                                "  Math: SQRT, ABS, SIGN, SIN, COS, TAN, ASIN,\n"
                                "    ACOS, ATAN, ATAN2, RAD, DEG, LOG, LN, EXP,\n"
                                "    ROUND, FLOOR, CEIL, GCD, LCM, FRACTION\n"
                                "  Programmer: BIN, OCT, HEX, DEC, AND, OR, XOR,\n"
                                "    NOT, SHL, SHR\n"
                                "  Statistics: MIN, MAX, SUM, AVG, MEDIAN, MODE,\n"
                                "    COUNT, RANGE, STDEV, STDEVP, VARIANCE,\n"
                                "    VARIANCEP, GEOMEAN, HARMEAN, RMS, SUMSQ,\n"
                                "    PERCENTILE, QUARTILE, SKEW, KURTOSIS,\n"
                                "    RANDOM, RANDINT\n"
                                "  Financial: FV, PV, PMT, NPER, RATE, IPMT,\n"
                                "    PPMT, BALANCE, INTEREST, COMPOUND, APY,\n"
                                "    APR, NPV, IRR, ROI, CAGR, PERCENTCHANGE,\n"
                                "    MARKUP, MARGIN, DISCOUNT, TAX\n"
                                "  GD&T: POSITION, BONUSTOL, VCINTERNAL and the\n"
                                "    other inspection functions\n"
                                "  Date and time: TODAY, NOW, DATE, DAYS, AGE,\n"
                                "    WEEKDAY, DAY, MONTH, YEAR, HOUR, MINUTE,\n"
                                "    SECOND\n"
                                "\n"
                                "Tools > Math and Tools > Date & Time list them\n"
                                "by group and type the chosen name into the pad\n"
                                "at the cursor. Type HELP and a function's name\n"
                                "for its own page. You can also define functions\n"
                                "of your own.\n"
                                "\n"
                                "See also: HELP STATISTICS, HELP FINANCIAL,\n"
                                "HELP CUSTOM FUNCTIONS"));

    AddHelpEntry(entries, QStringLiteral("CUSTOM FUNCTIONS"),
                 {QStringLiteral("CUSTOM FUNCTIONS"), QStringLiteral("USER FUNCTIONS"),
                  QStringLiteral("USER DEFINED FUNCTIONS"), QStringLiteral("FUNCTION LIBRARY")},
                 QStringLiteral("CUSTOM FUNCTIONS"),
                 QStringLiteral("Define functions of your own and call them like the built-in ones."),
                 QStringLiteral("CUSTOM FUNCTIONS\n"
                                "\n"
                                "A custom function gives a name to a formula\n"
                                "with parameters. Once created it is called like\n"
                                "any built-in function, may be used inside other\n"
                                "expressions and may call other custom functions\n"
                                "(but not itself, directly or through others).\n"
                                "\n"
                                "Examples:\n"
                                "  CREATE FUNCTION AREA(w, h) = w*h\n"
                                "    -> AREA(W, H) = w*h\n"
                                "  AREA(3, 4)      -> 12\n"
                                "  AREA(2, 5) + 1  -> 11\n"
                                "\n"
                                "The commands:\n"
                                "  CREATE FUNCTION name(parameters) = expression\n"
                                "      defines or replaces a function\n"
                                "  FUNCTIONS\n"
                                "      lists the functions defined\n"
                                "  DELETE FUNCTION\n"
                                "      lists a delete command for each function\n"
                                "  DELETE FUNCTION name\n"
                                "      deletes one function\n"
                                "\n"
                                "File > Custom Functions holds List Functions\n"
                                "and Delete Function... File > Save Settings\n"
                                "stores the functions with the other settings,\n"
                                "so they are there again the next time Sumvelle\n"
                                "starts.\n"
                                "\n"
                                "See also: HELP CREATE FUNCTION,\n"
                                "HELP DELETE FUNCTION"));

    AddHelpEntry(entries, QStringLiteral("CREATE FUNCTION"),
                 {QStringLiteral("CREATE FUNCTION"), QStringLiteral("DEFINE FUNCTION"), QStringLiteral("MAKE FUNCTION"),
                  QStringLiteral("CUSTOM FUNCTION SYNTAX")},
                 QStringLiteral("CUSTOM FUNCTIONS"), QStringLiteral("Defines or replaces a custom function."),
                 QStringLiteral("CREATE FUNCTION name(parameter, ...) = expression\n"
                                "\n"
                                "Defines a function. The name and the parameters\n"
                                "start with a letter or underscore and hold\n"
                                "letters, digits and underscores; Sumvelle\n"
                                "writes them in upper case. The expression is\n"
                                "one formula in the parameters (no = sign).\n"
                                "Sumvelle tries it with every parameter set to 2\n"
                                "before accepting it, then echoes the definition\n"
                                "in bold and says Function created: NAME in the\n"
                                "status bar. Creating a function whose name is\n"
                                "already defined replaces it (Function updated).\n"
                                "\n"
                                "Examples:\n"
                                "  CREATE FUNCTION DOUBLE(x) = x*2\n"
                                "    -> DOUBLE(X) = x*2\n"
                                "  DOUBLE(21)  -> 42\n"
                                "  CREATE FUNCTION HYP(a, b) = SQRT(a^2+b^2)\n"
                                "    -> HYP(A, B) = SQRT(a^2+b^2)\n"
                                "  HYP(3, 4)   -> 5\n"
                                "\n"
                                "Refusals are shown in the status bar and leave\n"
                                "your line as typed:\n"
                                "  Use CREATE FUNCTION NAME(parameter, ...) =\n"
                                "  expression Cannot use NAME as a function name\n"
                                "  (a built-in name or a variable)\n"
                                "  Invalid function parameter: ...\n"
                                "  A function definition must contain one\n"
                                "  expression Custom functions cannot call\n"
                                "  themselves recursively Cannot solve function\n"
                                "  expression\n"
                                "\n"
                                "See also: HELP CUSTOM FUNCTIONS,\n"
                                "HELP DELETE FUNCTION"));

    AddHelpEntry(entries, QStringLiteral("DELETE FUNCTION"),
                 {QStringLiteral("DELETE FUNCTION"), QStringLiteral("REMOVE FUNCTION"),
                  QStringLiteral("FUNCTIONS LIST"), QStringLiteral("LIST CUSTOM FUNCTIONS"),
                  QStringLiteral("FUNCTION MANAGEMENT")},
                 QStringLiteral("CUSTOM FUNCTIONS"), QStringLiteral("Lists the custom functions and deletes them."),
                 QStringLiteral("FUNCTIONS\n"
                                "\n"
                                "Lists every custom function as its definition,\n"
                                "one per line, in alphabetical order, or -No\n"
                                "Custom Functions- when there are none.\n"
                                "\n"
                                "DELETE FUNCTION\n"
                                "\n"
                                "Without a name, writes one DELETE FUNCTION\n"
                                "command per function, so you can run the one\n"
                                "you want. With a name, deletes that function\n"
                                "and answers Function deleted: NAME. A name that\n"
                                "is not defined only shows No custom function\n"
                                "named ... in the status bar.\n"
                                "\n"
                                "Examples:\n"
                                "  CREATE FUNCTION DOUBLE(x) = x*2\n"
                                "    -> DOUBLE(X) = x*2\n"
                                "  DELETE FUNCTION DOUBLE\n"
                                "    -> Function deleted: DOUBLE\n"
                                "\n"
                                "File > Custom Functions > List Functions and\n"
                                "Delete Function... do the same from the menu.\n"
                                "\n"
                                "See also: HELP CUSTOM FUNCTIONS,\n"
                                "HELP CREATE FUNCTION"));

    AddHelpEntry(entries, QStringLiteral("SQRT(x)"),
                 {QStringLiteral("SQRT"), QStringLiteral("SQUARE ROOT"), QStringLiteral("ROOT")},
                 QStringLiteral("FUNCTIONS"), QStringLiteral("Returns the square root of a value."),
                 QStringLiteral("SQRT(x)\n"
                                "\n"
                                "SQRT finds the non-negative number which, when multiplied by itself,\n"
                                "produces x. For example, SQRT(25) is 5 because 5 * 5 = 25.\n"
                                "\n"
                                "Square roots are commonly used in geometry, distance calculations,\n"
                                "statistics, engineering formulas, and when reversing a squared value.\n"
                                "\n"
                                "Examples:\n"
                                "  SQRT(25)          -> 5\n"
                                "  SQRT(144)         -> 12\n"
                                "  SQRT(ABS(-100))   -> 10\n"
                                "\n"
                                "For real-number calculations, the value inside SQRT must not be\n"
                                "negative. The equation solver can work at boundaries such as\n"
                                "SQRT(X)=0."));

    AddHelpEntry(entries, QStringLiteral("TRIGONOMETRY"),
                 {QStringLiteral("SIN"), QStringLiteral("COS"), QStringLiteral("TAN"), QStringLiteral("TRIG"),
                  QStringLiteral("TRIGONOMETRY")},
                 QStringLiteral("FUNCTIONS"), QStringLiteral("SIN, COS and TAN of an angle given in radians."),
                 QStringLiteral("TRIGONOMETRY\n"
                                "\n"
                                "SIN(angle), COS(angle) and TAN(angle) take the\n"
                                "angle in radians. For an angle in degrees,\n"
                                "convert it with RAD first.\n"
                                "\n"
                                "Examples:\n"
                                "  SIN(RAD(30))     -> 0.5\n"
                                "  COS(0)           -> 1\n"
                                "  TAN(RAD(45))     -> 1\n"
                                "  SIN(PI/2)        -> 1\n"
                                "\n"
                                "Note that SIN(30) is the sine of 30 radians,\n"
                                "not of 30 degrees.\n"
                                "\n"
                                "See also: HELP INVERSE TRIGONOMETRY,\n"
                                "HELP ANGLE CONVERSION"));

    AddHelpEntry(entries, QStringLiteral("INVERSE TRIGONOMETRY"),
                 {QStringLiteral("ASIN"), QStringLiteral("ACOS"), QStringLiteral("ATAN"), QStringLiteral("ATAN2"),
                  QStringLiteral("INVERSE TRIG"), QStringLiteral("ARC TANGENT")},
                 QStringLiteral("FUNCTIONS"), QStringLiteral("ASIN, ACOS, ATAN and ATAN2 return an angle in radians."),
                 QStringLiteral("INVERSE TRIGONOMETRY\n"
                                "\n"
                                "ASIN(value) and ACOS(value) accept values from\n"
                                "-1 to 1; ATAN(value) accepts any value.\n"
                                "ATAN2(y, x) gives the direction of the point\n"
                                "(x, y), from -PI to PI, so it tells the\n"
                                "quadrants apart. All answer in radians: wrap\n"
                                "them in DEG for degrees.\n"
                                "\n"
                                "Examples:\n"
                                "  DEG(ASIN(0.5))    -> 30\n"
                                "  DEG(ACOS(0))      -> 90\n"
                                "  DEG(ATAN(1))      -> 45\n"
                                "  DEG(ATAN2(1, -1)) -> 135\n"
                                "\n"
                                "See also: HELP TRIGONOMETRY,\n"
                                "HELP ANGLE CONVERSION"));

    AddHelpEntry(entries, QStringLiteral("ANGLE CONVERSION"),
                 {QStringLiteral("RAD"), QStringLiteral("DEG"), QStringLiteral("RADIANS"), QStringLiteral("DEGREES"),
                  QStringLiteral("ANGLE CONVERSION")},
                 QStringLiteral("FUNCTIONS"),
                 QStringLiteral("RAD converts degrees to radians and DEG radians to degrees."),
                 QStringLiteral("ANGLE CONVERSION\n"
                                "\n"
                                "RAD(degrees) turns degrees into radians and\n"
                                "DEG(radians) turns radians into degrees. Use\n"
                                "them around the trigonometric functions, which\n"
                                "work in radians.\n"
                                "\n"
                                "Examples:\n"
                                "  RAD(180)         -> 3.14159265358979\n"
                                "  DEG(PI)          -> 180\n"
                                "  DEG(PI/4)        -> 45\n"
                                "\n"
                                "See also: HELP TRIGONOMETRY,\n"
                                "HELP INVERSE TRIGONOMETRY"));

    AddHelpEntry(entries, QStringLiteral("ABS(x)"),
                 {QStringLiteral("ABS"), QStringLiteral("ABSOLUTE"), QStringLiteral("ABSOLUTE VALUE")},
                 QStringLiteral("FUNCTIONS"), QStringLiteral("Returns the size of a value without its sign."),
                 QStringLiteral("ABS(x)\n"
                                "\n"
                                "ABS gives the distance of x from zero: negative\n"
                                "values lose their sign, zero and positive\n"
                                "values stay as they are.\n"
                                "\n"
                                "Examples:\n"
                                "  ABS(-7)          -> 7\n"
                                "  ABS(3-10)        -> 7\n"
                                "  ABS(4.5)         -> 4.5\n"
                                "\n"
                                "See also: HELP SIGN"));

    AddHelpEntry(entries, QStringLiteral("SIGN(x)"),
                 {QStringLiteral("SIGN"), QStringLiteral("SIGNUM"), QStringLiteral("SIGN FUNCTION")},
                 QStringLiteral("FUNCTIONS"), QStringLiteral("Returns -1, 0 or 1 according to the sign of a value."),
                 QStringLiteral("SIGN(x)\n"
                                "\n"
                                "SIGN gives -1 for a negative value, 0 for zero\n"
                                "and 1 for a positive value.\n"
                                "\n"
                                "Examples:\n"
                                "  SIGN(-4)         -> -1\n"
                                "  SIGN(0)          -> 0\n"
                                "  SIGN(12)         -> 1\n"
                                "\n"
                                "See also: HELP ABS"));

    AddHelpEntry(entries, QStringLiteral("LOGS / EXPONENTS"),
                 {QStringLiteral("LOG"), QStringLiteral("LN"), QStringLiteral("EXP"), QStringLiteral("LOGARITHM"),
                  QStringLiteral("LOGARITHMS"), QStringLiteral("LOGS"), QStringLiteral("NATURAL LOG"),
                  QStringLiteral("EXPONENTIAL")},
                 QStringLiteral("FUNCTIONS"),
                 QStringLiteral("LOG, LN and EXP: base-10 and natural logarithms and the exponential."),
                 QStringLiteral("LOGS / EXPONENTS\n"
                                "\n"
                                "LOG(value) is the base-10 logarithm and\n"
                                "LN(value) the natural logarithm; both need a\n"
                                "value greater than zero. EXP(value) raises\n"
                                "EULER to the power of value, and undoes LN. For\n"
                                "other powers use ^.\n"
                                "\n"
                                "Examples:\n"
                                "  LOG(1000)        -> 3\n"
                                "  LOG(100)         -> 2\n"
                                "  LN(EULER)        -> 1\n"
                                "  LN(1)            -> 0\n"
                                "  EXP(0)           -> 1\n"
                                "  EXP(1)           -> 2.71828182845905\n"
                                "  2^10             -> 1024\n"
                                "\n"
                                "See also: HELP EULER, HELP MATH"));

    AddHelpEntry(entries, QStringLiteral("ROUNDING"),
                 {QStringLiteral("ROUND"), QStringLiteral("FLOOR"), QStringLiteral("CEIL"), QStringLiteral("CEILING"),
                  QStringLiteral("ROUNDING")},
                 QStringLiteral("FUNCTIONS"),
                 QStringLiteral("ROUND, FLOOR and CEIL turn a value into a whole or shorter number."),
                 QStringLiteral("ROUNDING\n"
                                "\n"
                                "ROUND(value) rounds to the nearest whole\n"
                                "number, halves away from zero.\n"
                                "ROUND(decimalPlaces, value) keeps that many\n"
                                "decimal places; note that the number of places\n"
                                "comes first. FLOOR(value) rounds down and\n"
                                "CEIL(value) rounds up, also for negative\n"
                                "values.\n"
                                "\n"
                                "Examples:\n"
                                "  ROUND(2.5)          -> 3\n"
                                "  ROUND(-2.5)         -> -3\n"
                                "  ROUND(2, 3.14159)   -> 3.14\n"
                                "  FLOOR(2.7)          -> 2\n"
                                "  FLOOR(-2.3)         -> -3\n"
                                "  CEIL(2.1)           -> 3\n"
                                "  CEIL(-2.7)          -> -2\n"
                                "\n"
                                "See also: HELP FORMAT"));

    AddHelpEntry(entries, QStringLiteral("MIN / MAX FUNCTIONS"),
                 {QStringLiteral("MINIMUM"), QStringLiteral("MAXIMUM"), QStringLiteral("MINMAX"),
                  QStringLiteral("LOWEST"), QStringLiteral("HIGHEST")},
                 QStringLiteral("FUNCTIONS"),
                 QStringLiteral("MIN and MAX return the smallest and largest of their arguments."),
                 QStringLiteral("MIN / MAX FUNCTIONS\n"
                                "\n"
                                "MIN(value1, value2, ...) gives the smallest and\n"
                                "MAX(value1, value2, ...) the largest of one or\n"
                                "more values.\n"
                                "\n"
                                "Examples:\n"
                                "  MIN(4, 9, 2)     -> 2\n"
                                "  MAX(4, 9, 2)     -> 9\n"
                                "  MIN(3)           -> 3\n"
                                "\n"
                                "Typed alone on a line, MIN and MAX are the\n"
                                "window commands that minimise and maximise\n"
                                "Sumvelle.\n"
                                "\n"
                                "See also: HELP STATISTICS, HELP MINIMIZE,\n"
                                "HELP MAXIMIZE"));

    AddHelpEntry(entries, QStringLiteral("FRACTION"),
                 {QStringLiteral("FRACTION"), QStringLiteral("FRACTIONS"), QStringLiteral("DECIMAL TO FRACTION"),
                  QStringLiteral("RATIONAL"), QStringLiteral("APPROXIMATE FRACTION")},
                 QStringLiteral("FUNCTIONS"),
                 QStringLiteral("FRACTION writes a decimal value as a fraction, with close approximations."),
                 QStringLiteral("FRACTION\n"
                                "\n"
                                "FRACTION(value) writes the value as an exact\n"
                                "fraction in lowest terms, then lists under\n"
                                "Approximate Values the simpler fractions that\n"
                                "come close, each with its decimal value and its\n"
                                "error.\n"
                                "\n"
                                "Examples (the answer takes several lines):\n"
                                "  FRACTION(0.75)\n"
                                "      gives 3/4\n"
                                "  FRACTION(1.5)\n"
                                "      gives 3/2\n"
                                "  FRACTION(0.3333333)\n"
                                "      gives 3333333/10000000, and 1/3 among\n"
                                "      the approximate values\n"
                                "  FRACTION(PI)\n"
                                "      lists 22/7, 311/99, 355/113 and closer\n"
                                "      ones\n"
                                "\n"
                                "See also: HELP GCD, HELP FUNCTIONS"));

    AddHelpEntry(entries, QStringLiteral("DATE & TIME"),
                 {QStringLiteral("DATE TIME"), QStringLiteral("DATE AND TIME"), QStringLiteral("DATE TIME OVERVIEW"),
                  QStringLiteral("DATES"), QStringLiteral("TIME"), QStringLiteral("DURATION"),
                  QStringLiteral("DURATIONS"), QStringLiteral("CLOCK TIME")},
                 QStringLiteral("DATE & TIME"),
                 QStringLiteral("Work with dates and times: today, date arithmetic, days between dates and parts."),
                 QStringLiteral("DATE & TIME\n"
                                "\n"
                                "Dates are written M/D/YYYY inside DATE(\"...\"),\n"
                                "optionally with a time as H:MM AM/PM or H:MM:SS\n"
                                "AM/PM. TODAY gives the current date and NOW the\n"
                                "current date and time. A date answer becomes\n"
                                "the new ANS.\n"
                                "\n"
                                "Examples:\n"
                                "  DATE(\"1/15/2024\")                -> 1/15/2024\n"
                                "  DATE(\"1/15/2024 3:30 PM\")\n"
                                "    -> 1/15/2024 3:30 PM\n"
                                "  DATE(\"1/15/2024\") + 30           -> 2/14/2024\n"
                                "  DATE(\"3/1/2024\") - DATE(\"1/1/2024\")  -> 60\n"
                                "  DAYS(\"1/1/2024\", \"3/1/2024\")     -> 60\n"
                                "  WEEKDAY(DATE(\"7/4/2024\"))        -> Thursday\n"
                                "  MONTH(DATE(\"7/4/2024\"))          -> 7\n"
                                "  HOUR(DATE(\"1/15/2024 3:45 PM\"))  -> 15\n"
                                "\n"
                                "Adding or subtracting a number moves a date by\n"
                                "that many days; one date minus another gives\n"
                                "the days between them. AGE(birthDate) answers\n"
                                "in years, months and days up to today. WEEKDAY,\n"
                                "DAY, MONTH, YEAR, HOUR, MINUTE and SECOND take\n"
                                "a date value such as DATE(...), TODAY or NOW.\n"
                                "Tools > Date & Time types each of them into the\n"
                                "pad.\n"
                                "\n"
                                "See also: HELP FUNCTIONS, HELP ANS"));

    AddHelpEntry(entries, QStringLiteral("NUMBER THEORY"),
                 {QStringLiteral("GCD"), QStringLiteral("LCM"), QStringLiteral("GREATEST COMMON DIVISOR"),
                  QStringLiteral("LEAST COMMON MULTIPLE"), QStringLiteral("NUMBER THEORY")},
                 QStringLiteral("FUNCTIONS"), QStringLiteral("GCD and LCM of two whole numbers."),
                 QStringLiteral("NUMBER THEORY\n"
                                "\n"
                                "GCD(integer1, integer2) is the largest whole\n"
                                "number that divides both; LCM(integer1,\n"
                                "integer2) the smallest positive number that\n"
                                "both divide. Use GCD to reduce fractions and\n"
                                "LCM to find a common denominator or a repeating\n"
                                "cycle.\n"
                                "\n"
                                "Examples:\n"
                                "  GCD(12, 18)      -> 6\n"
                                "  GCD(7, 5)        -> 1\n"
                                "  LCM(4, 6)        -> 12\n"
                                "\n"
                                "See also: HELP FRACTION"));

    AddHelpEntry(entries, QStringLiteral("STATISTICS"),
                 {QStringLiteral("STATISTICS"), QStringLiteral("STATISTIC"), QStringLiteral("STATISTICAL FUNCTIONS"),
                  QStringLiteral("STATISTICS OVERVIEW")},
                 QStringLiteral("FUNCTIONS"),
                 QStringLiteral("An overview of the statistics functions, which take a list of values."),
                 QStringLiteral("STATISTICS\n"
                                "\n"
                                "The statistics functions take any number of\n"
                                "values separated by commas; each value may be a\n"
                                "number, a variable or an expression.\n"
                                "\n"
                                "Examples:\n"
                                "  SUM(1, 2, 3, 4)                   -> 10\n"
                                "  AVG(2, 4, 9)                      -> 5\n"
                                "  MEDIAN(3, 1, 2)                   -> 2\n"
                                "  STDEVP(2, 4, 4, 4, 5, 5, 7, 9)    -> 2\n"
                                "\n"
                                "The groups:\n"
                                "  Summary: MIN, MAX, SUM, AVG, MEDIAN, MODE,\n"
                                "  COUNT, RANGE\n"
                                "  Spread: STDEV, STDEVP, VARIANCE, VARIANCEP\n"
                                "  Means and magnitude: GEOMEAN, HARMEAN, RMS,\n"
                                "  SUMSQ\n"
                                "  Position and shape: PERCENTILE, QUARTILE,\n"
                                "  SKEW, KURTOSIS\n"
                                "  Random numbers: RANDOM, RANDINT\n"
                                "\n"
                                "Tools > Math > Statistics types each function\n"
                                "into the pad.\n"
                                "\n"
                                "See also: HELP STATISTICS SUMMARY,\n"
                                "HELP STATISTICS SPREAD, HELP RANDOM"));

    AddHelpEntry(entries, QStringLiteral("STATISTICS - SUMMARY"),
                 {QStringLiteral("STATISTICS SUMMARY"), QStringLiteral("SUM"), QStringLiteral("AVG"),
                  QStringLiteral("AVERAGE"), QStringLiteral("MEDIAN"), QStringLiteral("MODE"), QStringLiteral("COUNT"),
                  QStringLiteral("RANGE")},
                 QStringLiteral("STATISTICS"),
                 QStringLiteral("SUM, AVG, MEDIAN, MODE, COUNT and RANGE describe a list of values."),
                 QStringLiteral("STATISTICS - SUMMARY\n"
                                "\n"
                                "SUM adds the values, AVG gives their arithmetic\n"
                                "mean, MEDIAN the middle value once sorted (the\n"
                                "mean of the two middle ones for an even count),\n"
                                "MODE the value that occurs most often, COUNT\n"
                                "how many values there are and RANGE the largest\n"
                                "minus the smallest. MIN and MAX give the\n"
                                "smallest and the largest.\n"
                                "\n"
                                "Examples:\n"
                                "  SUM(1, 2, 3, 4)      -> 10\n"
                                "  AVG(2, 4, 9)         -> 5\n"
                                "  MEDIAN(3, 1, 2)      -> 2\n"
                                "  MODE(1, 2, 2, 3)     -> 2\n"
                                "  COUNT(5, 6, 7)       -> 3\n"
                                "  RANGE(3, 9, 4)       -> 6\n"
                                "\n"
                                "See also: HELP STATISTICS, HELP MINMAX"));

    AddHelpEntry(entries, QStringLiteral("STATISTICS - SPREAD"),
                 {QStringLiteral("STATISTICS SPREAD"), QStringLiteral("STDEV"), QStringLiteral("STANDARD DEVIATION"),
                  QStringLiteral("STDEVP"), QStringLiteral("POPULATION STANDARD DEVIATION"), QStringLiteral("VARIANCE"),
                  QStringLiteral("SAMPLE VARIANCE"), QStringLiteral("VARIANCEP"),
                  QStringLiteral("POPULATION VARIANCE")},
                 QStringLiteral("STATISTICS"),
                 QStringLiteral("Standard deviation and variance of a sample or a whole population."),
                 QStringLiteral("STATISTICS - SPREAD\n"
                                "\n"
                                "STDEV and VARIANCE treat the values as a sample\n"
                                "and divide by the count minus one, so they need\n"
                                "at least two values. STDEVP and VARIANCEP treat\n"
                                "them as the whole population and divide by the\n"
                                "count. Each standard deviation is the square\n"
                                "root of its variance.\n"
                                "\n"
                                "Examples:\n"
                                "  STDEV(2, 4, 4, 4, 5, 5, 7, 9)\n"
                                "    -> 2.1380899352994\n"
                                "  STDEVP(2, 4, 4, 4, 5, 5, 7, 9)  -> 2\n"
                                "  VARIANCE(1, 2, 3, 4)   -> 1.66666666666667\n"
                                "  VARIANCEP(1, 2, 3, 4)  -> 1.25\n"
                                "\n"
                                "See also: HELP STATISTICS"));

    AddHelpEntry(entries, QStringLiteral("STATISTICS - MEANS AND MAGNITUDE"),
                 {QStringLiteral("STATISTICS MEANS"), QStringLiteral("STATISTICS MAGNITUDE"), QStringLiteral("GEOMEAN"),
                  QStringLiteral("GEOMETRIC MEAN"), QStringLiteral("HARMEAN"), QStringLiteral("HARMONIC MEAN"),
                  QStringLiteral("RMS"), QStringLiteral("ROOT MEAN SQUARE"), QStringLiteral("SUMSQ"),
                  QStringLiteral("SUM OF SQUARES")},
                 QStringLiteral("STATISTICS"),
                 QStringLiteral("Geometric and harmonic means, root mean square and sum of squares."),
                 QStringLiteral("STATISTICS - MEANS AND MAGNITUDE\n"
                                "\n"
                                "GEOMEAN is the n-th root of the product of n\n"
                                "positive values, the mean for growth rates and\n"
                                "ratios. HARMEAN is the count divided by the sum\n"
                                "of the reciprocals, the mean for rates such as\n"
                                "speeds; its values must be positive. RMS is the\n"
                                "square root of the mean of the squares, and\n"
                                "SUMSQ the sum of the squares.\n"
                                "\n"
                                "Examples:\n"
                                "  GEOMEAN(2, 8)        -> 4\n"
                                "  HARMEAN(1, 2, 4)     -> 1.71428571428571\n"
                                "  RMS(3, 4)            -> 3.53553390593274\n"
                                "  SUMSQ(1, 2, 3)       -> 14\n"
                                "\n"
                                "See also: HELP STATISTICS"));

    AddHelpEntry(entries, QStringLiteral("STATISTICS - POSITION AND SHAPE"),
                 {QStringLiteral("STATISTICS POSITION"), QStringLiteral("STATISTICS SHAPE"),
                  QStringLiteral("PERCENTILE"), QStringLiteral("QUARTILE"), QStringLiteral("SKEW"),
                  QStringLiteral("SKEWNESS"), QStringLiteral("KURTOSIS")},
                 QStringLiteral("STATISTICS"),
                 QStringLiteral("Percentiles, quartiles, skewness and kurtosis of a list of values."),
                 QStringLiteral("STATISTICS - POSITION AND SHAPE\n"
                                "\n"
                                "PERCENTILE(percentile, value1, ...) takes the\n"
                                "percentile from 0 to 100 first, then the\n"
                                "values, and interpolates between neighbouring\n"
                                "sorted values. QUARTILE(number, value1, ...)\n"
                                "takes the quartile number first (1 is the 25th\n"
                                "percentile, 2 the median, 3 the 75th). SKEW\n"
                                "measures how lopsided the values are (positive\n"
                                "when the long tail is on the high side) and\n"
                                "KURTOSIS how heavy their tails are.\n"
                                "\n"
                                "Examples:\n"
                                "  PERCENTILE(50, 1, 2, 3, 4)  -> 2.5\n"
                                "  QUARTILE(1, 1, 2, 3, 4)   -> 1.75\n"
                                "  SKEW(1, 2, 3, 10)         -> 1.76363261480389\n"
                                "  KURTOSIS(1, 2, 3, 4, 10)  -> 3.152\n"
                                "\n"
                                "See also: HELP STATISTICS"));

    AddHelpEntry(entries, QStringLiteral("STATISTICS - RANDOM NUMBERS"),
                 {QStringLiteral("STATISTICS RANDOM"), QStringLiteral("RANDOM"), QStringLiteral("RANDINT"),
                  QStringLiteral("RANDOM INTEGER")},
                 QStringLiteral("STATISTICS"), QStringLiteral("RANDOM and RANDINT draw random numbers."),
                 QStringLiteral("STATISTICS - RANDOM NUMBERS\n"
                                "\n"
                                "RANDOM() gives a random number from 0 up to,\n"
                                "but not including, 1. RANDINT(minimum, maximum)\n"
                                "gives a random whole number from minimum to\n"
                                "maximum, both included; both must be whole\n"
                                "numbers and minimum may not be above maximum.\n"
                                "Each Enter draws a new number.\n"
                                "\n"
                                "Examples (the answers change every time):\n"
                                "  RANDOM()\n"
                                "  RANDINT(1, 6)\n"
                                "  RANDINT(1, 100)\n"
                                "\n"
                                "See also: HELP STATISTICS"));

    AddHelpEntry(entries, QStringLiteral("FINANCIAL FUNCTIONS"),
                 {QStringLiteral("FINANCIAL"), QStringLiteral("FINANCE"), QStringLiteral("FINANCIAL FUNCTIONS"),
                  QStringLiteral("MONEY FUNCTIONS"), QStringLiteral("FINANCIAL OVERVIEW")},
                 QStringLiteral("FUNCTIONS"),
                 QStringLiteral("An overview of the loan, interest, cash-flow and pricing functions."),
                 QStringLiteral("FINANCIAL FUNCTIONS\n"
                                "\n"
                                "Rates are written as decimals per period: 5% a\n"
                                "year is 0.05, and 5% a year paid monthly is\n"
                                "0.05/12. The % sign works too, so 5%/12 is the\n"
                                "same rate. Loan amounts and payments are\n"
                                "positive numbers.\n"
                                "\n"
                                "Examples:\n"
                                "  PMT(0.05/12, 360, 200000)\n"
                                "    -> 1073.64324602428\n"
                                "  FV(0.05, 10, 1000)  -> 1628.89462677744\n"
                                "  COMPOUND(1000, 0.05, 12, 10)\n"
                                "    -> 1647.00949769028\n"
                                "  IRR(-100, 110)      -> 0.1\n"
                                "  TAX(100, 0.08)      -> 108\n"
                                "\n"
                                "The groups:\n"
                                "  Time value and loans: FV, PV, PMT, NPER,\n"
                                "    RATE, IPMT, PPMT, BALANCE, INTEREST\n"
                                "  Compounding and rates: COMPOUND, APY, APR\n"
                                "  Cash flow: NPV, IRR\n"
                                "  Returns and pricing: ROI, CAGR,\n"
                                "    PERCENTCHANGE, MARKUP, MARGIN, DISCOUNT,\n"
                                "    TAX\n"
                                "\n"
                                "Rates and returns come back as decimals too:\n"
                                "0.25 means 25%. Tools > Math > Financial types\n"
                                "each function into the pad. A FORMAT such as\n"
                                "money format shows answers as currency.\n"
                                "\n"
                                "See also: HELP TVM, HELP COMPOUND, HELP NPV,\n"
                                "HELP RETURNS"));

    AddHelpEntry(entries, QStringLiteral("TVM / LOAN FUNCTIONS"),
                 {QStringLiteral("FV"), QStringLiteral("PV"), QStringLiteral("PMT"), QStringLiteral("NPER"),
                  QStringLiteral("RATE"), QStringLiteral("IPMT"), QStringLiteral("PPMT"), QStringLiteral("BALANCE"),
                  QStringLiteral("INTEREST"), QStringLiteral("TVM"), QStringLiteral("LOAN FUNCTIONS")},
                 QStringLiteral("FUNCTIONS"),
                 QStringLiteral("Time value of money: future and present value, payments, periods and rates of loans."),
                 QStringLiteral("TVM / LOAN FUNCTIONS\n"
                                "\n"
                                "These functions follow one amount of money\n"
                                "through equal periods at a fixed rate per\n"
                                "period. The rate is a decimal per period\n"
                                "(0.05/12 for 5% a year paid monthly, or 5%/12),\n"
                                "and the number of periods counts payments, not\n"
                                "years (360 for 30 years of monthly payments).\n"
                                "Payments fall at the end of each period.\n"
                                "\n"
                                "FV(rate, periods, presentValue [, payment])\n"
                                "  The balance after the periods when\n"
                                "  presentValue grows at the rate and payment is\n"
                                "  added at the end of every period (0 if left\n"
                                "  out).\n"
                                "PV(rate, periods, futureValue [, payment])\n"
                                "  The reverse of FV: the amount needed today to\n"
                                "  reach futureValue, with payment added every\n"
                                "  period.\n"
                                "PMT(rate, periods, presentValue [, futureValue])\n"
                                "  The payment per period that pays a loan of\n"
                                "  presentValue down to futureValue (0 if left\n"
                                "  out).\n"
                                "NPER(rate, payment, presentValue [, futureValue])\n"
                                "  How many payments it takes. The payment must\n"
                                "  be more than the interest of one period, or\n"
                                "  the loan never shrinks.\n"
                                "RATE(periods, payment, presentValue [, futureValue])\n"
                                "  The rate per period at which the payments pay\n"
                                "  off the loan, found by a numerical search.\n"
                                "IPMT(rate, period, periods, presentValue)\n"
                                "PPMT(rate, period, periods, presentValue)\n"
                                "  The interest part and the principal part of\n"
                                "  payment number period, from 1 to periods.\n"
                                "  Together they make the payment.\n"
                                "BALANCE(rate, periods, presentValue, paymentsMade)\n"
                                "  What is still owed after paymentsMade\n"
                                "  payments, from 0 to periods.\n"
                                "INTEREST(rate, periods, presentValue)\n"
                                "  The interest paid over the whole loan: all\n"
                                "  payments minus the amount borrowed.\n"
                                "\n"
                                "For PMT, NPER, RATE, IPMT, PPMT, BALANCE and\n"
                                "INTEREST the loan and the payment may not be\n"
                                "negative. The number of periods must be above\n"
                                "zero (FV and PV also accept 0) and the rate\n"
                                "above -1 (minus 100%); a rate of 0 is allowed.\n"
                                "Anything else, a period outside 1 to periods,\n"
                                "or a payment too small to repay the loan,\n"
                                "answers -Cannot Solve-.\n"
                                "\n"
                                "Examples, a loan of 200,000 at 5% a year over\n"
                                "30 years, monthly:\n"
                                "  PMT(0.05/12, 360, 200000)\n"
                                "    -> 1073.64324602428\n"
                                "  INTEREST(0.05/12, 360, 200000)\n"
                                "    -> 186511.56856874\n"
                                "  BALANCE(0.05/12, 360, 200000, 120)\n"
                                "    -> 162684.12898396\n"
                                "  RATE(360, 1073.64324602428, 200000)*12\n"
                                "    -> 0.05\n"
                                "A loan of 1,000 at 1% a month over 12 months:\n"
                                "  PMT(0.01, 12, 1000)       -> 88.848788678342\n"
                                "  IPMT(0.01, 1, 12, 1000)   -> 10\n"
                                "  PPMT(0.01, 1, 12, 1000)   -> 78.848788678342\n"
                                "  BALANCE(0.01, 12, 1000, 6)  -> 514.9210645802\n"
                                "  BALANCE(0.01, 12, 1000, 12)  -> 0\n"
                                "  INTEREST(0.01, 12, 1000)  -> 66.1854641401\n"
                                "  NPER(0.01, 88.848788678342, 1000)  -> 12\n"
                                "  RATE(12, 88.848788678342, 1000)  -> 0.01\n"
                                "  PMT(0, 10, 1000)          -> 100\n"
                                "Savings:\n"
                                "  FV(0.05, 10, 1000)        -> 1628.89462677744\n"
                                "  PV(0.05, 10, 1000)        -> 613.91325354076\n"
                                "  FV(0.05/12, 120, 0, 100)  -> 15528.2279445667\n"
                                "\n"
                                "With FORMAT = $#,###,##0.00 the first payment\n"
                                "shows as $1,073.64.\n"
                                "\n"
                                "See also: HELP FINANCIAL, HELP FORMAT,\n"
                                "HELP PMT, HELP RATE"));

    AddHelpEntry(entries, QStringLiteral("COMPOUND / RATE FUNCTIONS"),
                 {QStringLiteral("COMPOUND"), QStringLiteral("APY"), QStringLiteral("APR"),
                  QStringLiteral("COMPOUND INTEREST"), QStringLiteral("EFFECTIVE RATE")},
                 QStringLiteral("FUNCTIONS"),
                 QStringLiteral("Compound growth and conversion between nominal and effective annual rates."),
                 QStringLiteral("COMPOUND / RATE FUNCTIONS\n"
                                "\n"
                                "COMPOUND(principal, annualRate,\n"
                                "compoundsPerYear, years) is the principal after\n"
                                "the years with interest added compoundsPerYear\n"
                                "times a year. APY(apr, compoundsPerYear) turns\n"
                                "a nominal annual rate into the effective yearly\n"
                                "yield, and APR(apy, compoundsPerYear) does the\n"
                                "reverse. Rates are decimals: 0.05 is 5%, and\n"
                                "the answers of APY and APR are decimals as\n"
                                "well. compoundsPerYear must be above zero.\n"
                                "\n"
                                "Examples:\n"
                                "  COMPOUND(1000, 0.05, 12, 10)\n"
                                "    -> 1647.00949769028\n"
                                "  APY(0.05, 12)    -> 0.051161897881733\n"
                                "  APY(0.06, 1)     -> 0.06\n"
                                "  APR(0.0512, 12)  -> 0.0500363980482339\n"
                                "\n"
                                "See also: HELP FINANCIAL, HELP TVM"));

    AddHelpEntry(entries, QStringLiteral("NPV / IRR"),
                 {QStringLiteral("NPV"), QStringLiteral("IRR"), QStringLiteral("NET PRESENT VALUE"),
                  QStringLiteral("INTERNAL RATE OF RETURN"), QStringLiteral("CASH FLOW")},
                 QStringLiteral("FUNCTIONS"),
                 QStringLiteral("Net present value and internal rate of return of a series of cash flows."),
                 QStringLiteral("NPV / IRR\n"
                                "\n"
                                "NPV(rate, cashFlow0, cashFlow1, ...) discounts\n"
                                "each cash flow to today and adds them up.\n"
                                "cashFlow0 happens now and is not discounted,\n"
                                "cashFlow1 one period later, and so on. Money\n"
                                "paid out is negative, money received positive.\n"
                                "\n"
                                "IRR(cashFlow0, cashFlow1, ...) is the rate at\n"
                                "which the NPV of the flows is zero. It needs at\n"
                                "least one negative and one positive flow and is\n"
                                "found by a numerical search; without a rate it\n"
                                "answers -Cannot Solve-.\n"
                                "\n"
                                "Examples:\n"
                                "  NPV(0.1, -1000, 500, 600)\n"
                                "    -> -49.586776859504\n"
                                "  IRR(-1000, 500, 600)  -> 0.0639410298049852\n"
                                "  IRR(-100, 110)        -> 0.1\n"
                                "\n"
                                "A positive NPV means the flows earn more than\n"
                                "the rate; the IRR is the rate at which they\n"
                                "just break even.\n"
                                "\n"
                                "See also: HELP FINANCIAL"));

    AddHelpEntry(entries, QStringLiteral("RETURN / PRICING FUNCTIONS"),
                 {QStringLiteral("ROI"), QStringLiteral("CAGR"), QStringLiteral("PERCENTCHANGE"),
                  QStringLiteral("MARKUP"), QStringLiteral("MARGIN"), QStringLiteral("DISCOUNT"), QStringLiteral("TAX"),
                  QStringLiteral("RETURNS"), QStringLiteral("RETURN FUNCTIONS"), QStringLiteral("PRICING FUNCTIONS")},
                 QStringLiteral("FUNCTIONS"),
                 QStringLiteral("Returns, growth rates, percent change, markup, margin, discount and tax."),
                 QStringLiteral("RETURN / PRICING FUNCTIONS\n"
                                "\n"
                                "ROI(initialValue, finalValue) and\n"
                                "PERCENTCHANGE(oldValue, newValue) give the\n"
                                "change as a decimal of the starting value.\n"
                                "CAGR(initialValue, finalValue, years) is the\n"
                                "steady yearly growth rate between the two\n"
                                "values. MARKUP(cost, markupRate) adds the rate\n"
                                "to a cost, TAX(price, taxRate) adds tax to a\n"
                                "price and DISCOUNT(price, discountRate) takes\n"
                                "the discount off. MARGIN(revenue, cost) is the\n"
                                "profit as a decimal of the revenue. Rates are\n"
                                "decimals: 0.2 is 20%, and 20% works too.\n"
                                "\n"
                                "Examples:\n"
                                "  ROI(1000, 1250)         -> 0.25\n"
                                "  CAGR(1000, 2000, 5)     -> 0.148698354997035\n"
                                "  PERCENTCHANGE(80, 100)  -> 0.25\n"
                                "  MARKUP(50, 0.2)         -> 60\n"
                                "  MARGIN(100, 60)         -> 0.4\n"
                                "  DISCOUNT(80, 0.25)      -> 60\n"
                                "  TAX(100, 8%)            -> 108\n"
                                "\n"
                                "A zero starting value or revenue answers\n"
                                "-Cannot Solve-.\n"
                                "\n"
                                "See also: HELP FINANCIAL, HELP PERCENT"));

    AddHelpEntry(
        entries, QStringLiteral("PI"), {QStringLiteral("PI"), QStringLiteral("CONSTANT"), QStringLiteral("CONSTANTS")},
        QStringLiteral("BASICS"), QStringLiteral("PI is the ratio of a circle's circumference to its diameter."),
        QStringLiteral("PI\n"
                       "\n"
                       "PI stands for 3.14159265358979... and can be\n"
                       "used anywhere a number can. It cannot be used\n"
                       "as a variable name.\n"
                       "\n"
                       "Examples:\n"
                       "  PI               -> 3.14159265358979\n"
                       "  2*PI             -> 6.28318530717959\n"
                       "  PI*2^2           -> 12.5663706143592\n"
                       "\n"
                       "Tools > Math > Constants types PI, EULER and\n"
                       "ANS into the pad.\n"
                       "\n"
                       "See also: HELP EULER, HELP ANS"));

    AddHelpEntry(entries, QStringLiteral("EULER"),
                 {QStringLiteral("EULER"), QStringLiteral("EULERS NUMBER"), QStringLiteral("E CONSTANT"),
                  QStringLiteral("CONSTANTS")},
                 QStringLiteral("BASICS"), QStringLiteral("EULER is the base of the natural logarithm, 2.71828..."),
                 QStringLiteral("EULER\n"
                                "\n"
                                "EULER stands for Euler's number\n"
                                "2.71828182845905..., the base of the natural\n"
                                "logarithm. The single letter E is not this\n"
                                "constant: write EULER.\n"
                                "\n"
                                "Examples:\n"
                                "  EULER            -> 2.71828182845905\n"
                                "  LN(EULER)        -> 1\n"
                                "  EULER^2          -> 7.38905609893065\n"
                                "\n"
                                "See also: HELP PI, HELP LOGS"));

    AddHelpEntry(entries, QStringLiteral("ANS"),
                 {QStringLiteral("ANS"), QStringLiteral("ANSWER"), QStringLiteral("LAST ANSWER")},
                 QStringLiteral("BASICS"), QStringLiteral("ANS is the answer of the last calculation."),
                 QStringLiteral("ANS\n"
                                "\n"
                                "ANS holds the most recent answer, so the next\n"
                                "line can build on it. A line that answers\n"
                                "-Cannot Solve- leaves ANS as it was; an\n"
                                "equation with a single unknown sets it to the\n"
                                "solution.\n"
                                "\n"
                                "Examples:\n"
                                "  5*4              -> 20\n"
                                "  ANS+1            -> 21\n"
                                "  ANS/3            -> 7\n"
                                "\n"
                                "Starting a new line with an operator (+ - * / ^\n"
                                "\u00F7) continues from the answer above without\n"
                                "typing ANS.\n"
                                "\n"
                                "See also: HELP CONTINUE PREVIOUS ANSWER,\n"
                                "HELP VARIABLES"));

    AddHelpEntry(entries, QStringLiteral("VARIABLES"),
                 {QStringLiteral("VARIABLE"), QStringLiteral("VARIABLES"), QStringLiteral("VARIABLES OVERVIEW"),
                  QStringLiteral("ASSIGNMENT")},
                 QStringLiteral("VARIABLES"),
                 QStringLiteral("Store a value under a name with NAME = expression and use it later."),
                 QStringLiteral("VARIABLES\n"
                                "\n"
                                "Write a name, an equals sign and an expression\n"
                                "to store a value. Sumvelle answers with the\n"
                                "name in upper case and the value, and the name\n"
                                "can then be used in later lines, in any case.\n"
                                "Assigning again replaces the value, and the\n"
                                "expression may use the old one.\n"
                                "\n"
                                "Examples:\n"
                                "  X = 5            -> X = 5\n"
                                "  Y = X*2          -> Y = 10\n"
                                "  X+Y              -> 15\n"
                                "  X = X + 1        -> X = 6\n"
                                "\n"
                                "A name is made of letters, digits and\n"
                                "underscores and does not start with a digit.\n"
                                "Names of functions, constants and commands are\n"
                                "refused with Cannot use NAME as a variable name\n"
                                "(for example PI or RATE). When the expression\n"
                                "cannot be worked out, the status bar says\n"
                                "Cannot Solve Variable and nothing is stored. A\n"
                                "name with no value is such a case only while\n"
                                "Ignore Text is off: with it on, the unknown\n"
                                "name is skipped like any other word, so U = Q +\n"
                                "1 stores 1. VARS lists the variables, CLEAR\n"
                                "VARIABLES removes them, and CLEAR also empties\n"
                                "the pad.\n"
                                "\n"
                                "See also: HELP VARS, HELP CLEAR VARIABLES,\n"
                                "HELP EQUATIONS"));

    AddHelpEntry(entries, QStringLiteral("VARS / VARIABLES"),
                 {QStringLiteral("VARS"), QStringLiteral("VARIABLES"), QStringLiteral("LIST VARIABLES")},
                 QStringLiteral("COMMANDS"), QStringLiteral("Lists the variables and their values."),
                 QStringLiteral("VARS / VARIABLES\n"
                                "\n"
                                "VARS, or VARIABLES, writes every stored\n"
                                "variable as NAME = value, one per line in\n"
                                "alphabetical order, or -No Variables- when\n"
                                "there are none. Tools > Calculator > Variables\n"
                                "does the same.\n"
                                "\n"
                                "Example:\n"
                                "  VARS             -> -No Variables-\n"
                                "\n"
                                "See also: HELP VARIABLES, HELP CLEAR VARIABLES"));

    AddHelpEntry(entries, QStringLiteral("CLEAR VARIABLES"),
                 {QStringLiteral("CLEAR VARIABLES"), QStringLiteral("CLEAR USER VARIABLES"),
                  QStringLiteral("DELETE VARIABLES"), QStringLiteral("REMOVE VARIABLES")},
                 QStringLiteral("COMMANDS"), QStringLiteral("Removes all variables and keeps the pad's text."),
                 QStringLiteral("CLEAR VARIABLES\n"
                                "\n"
                                "Removes every stored variable and shows\n"
                                "Variables cleared in the status bar. The text\n"
                                "of the pad, ANS and the custom functions stay.\n"
                                "File > Clear Variables does the same; CLEAR\n"
                                "also empties the pad.\n"
                                "\n"
                                "See also: HELP VARIABLES, HELP CLEAR"));

    AddHelpEntry(entries, QStringLiteral("EQUATIONS"),
                 {QStringLiteral("EQUATION"), QStringLiteral("EQUATIONS"), QStringLiteral("EQUATIONS OVERVIEW"),
                  QStringLiteral("SOLVE"), QStringLiteral("SOLVING")},
                 QStringLiteral("SOLVER"),
                 QStringLiteral("Type an equation with an unknown and press Enter to solve it."),
                 QStringLiteral("EQUATIONS\n"
                                "\n"
                                "A line with one = sign that is not an\n"
                                "assignment (NAME = value) is an equation.\n"
                                "Sumvelle solves it for the unknown and writes\n"
                                "the answer as NAME = value in bold; the status\n"
                                "bar says Equation solved, and the answer\n"
                                "becomes ANS. Names already stored as variables\n"
                                "take their values.\n"
                                "\n"
                                "Examples:\n"
                                "  2x+3=7           -> X = 2\n"
                                "  3*a = 12         -> A = 4\n"
                                "  x^2=16           -> X = 4\n"
                                "  X = 3            -> X = 3\n"
                                "  X + b = 10       -> B = 7\n"
                                "\n"
                                "An equation with more than one solution answers\n"
                                "one of them. A line with two or more = signs\n"
                                "answers -Cannot Solve-. Several equations\n"
                                "solved together go in an equation block between\n"
                                "braces.\n"
                                "\n"
                                "See also: HELP SYSTEMS, HELP SOLVER,\n"
                                "HELP ISOLATE, HELP APPROXIMATE"));

    AddHelpEntry(entries, QStringLiteral("SYSTEMS / EQUATION BLOCKS"),
                 {QStringLiteral("SYSTEM"), QStringLiteral("SYSTEMS"), QStringLiteral("EQUATION BLOCK"),
                  QStringLiteral("EQUATION BLOCKS"), QStringLiteral("BRACES")},
                 QStringLiteral("SOLVER"),
                 QStringLiteral("Solve several equations together by writing them between { and }."),
                 QStringLiteral("SYSTEMS / EQUATION BLOCKS\n"
                                "\n"
                                "Start a line with {, write one equation per\n"
                                "line, and end the last one with }. While the\n"
                                "block is open the status bar says Equation\n"
                                "block open and Enter only starts the next line;\n"
                                "on the line with } it says Equation block\n"
                                "ready: N equation(s), and Enter solves the\n"
                                "whole block. Each unknown is answered on a line\n"
                                "of its own.\n"
                                "\n"
                                "Example, typed over two lines:\n"
                                "  {x + y = 10\n"
                                "  2x - y = 5}\n"
                                "gives X = 5 and Y = 5.\n"
                                "\n"
                                "Linear systems are solved exactly. When there\n"
                                "are more unknowns than equations Sumvelle gives\n"
                                "one solution and says One solution found. Other\n"
                                "systems go to the numerical solver.\n"
                                "\n"
                                "See also: HELP EQUATIONS, HELP SOLVER,\n"
                                "HELP APPROXIMATE"));

    AddHelpEntry(entries, QStringLiteral("SOLVER"),
                 {QStringLiteral("SOLVER"), QStringLiteral("SOLVE"), QStringLiteral("NUMERICAL"),
                  QStringLiteral("NONLINEAR"), QStringLiteral("LINEAR")},
                 QStringLiteral("SOLVER"),
                 QStringLiteral("How Sumvelle solves equations and how to stop a long search."),
                 QStringLiteral("SOLVER\n"
                                "\n"
                                "Sumvelle tries three ways in turn. Linear\n"
                                "equations and systems are solved directly. An\n"
                                "equation in one unknown is searched for a root.\n"
                                "Anything else goes to a numerical search that\n"
                                "starts from many points and improves each guess\n"
                                "until the equations hold.\n"
                                "\n"
                                "The numerical search can take a while: the\n"
                                "status bar then shows (Type to Cancel)\n"
                                "Solving... and typing any key stops it. If a\n"
                                "best guess was found by then, Sumvelle reports\n"
                                "it as an approximate answer; otherwise it says\n"
                                "Solve cancelled.\n"
                                "\n"
                                "Examples:\n"
                                "  x^2-5x+6=0       -> X = 2\n"
                                "  SQRT(X)=0        -> X = 0\n"
                                "\n"
                                "Results that are within a hair of a whole\n"
                                "number and still solve the equations are shown\n"
                                "as whole numbers.\n"
                                "\n"
                                "See also: HELP EQUATIONS, HELP SYSTEMS,\n"
                                "HELP APPROXIMATE"));

    AddHelpEntry(entries, QStringLiteral("APPROXIMATE ANSWERS"),
                 {QStringLiteral("APPROXIMATE"), QStringLiteral("APPROX"), QStringLiteral("BEST FIT"),
                  QStringLiteral("ERROR"), QStringLiteral("RMS"), QStringLiteral("RESIDUAL")},
                 QStringLiteral("SOLVER"), QStringLiteral("What the report of a stopped search shows."),
                 QStringLiteral("APPROXIMATE ANSWERS\n"
                                "\n"
                                "When you stop a numerical search before it\n"
                                "found an exact solution, Sumvelle writes its\n"
                                "best guess under the heading Approximate\n"
                                "Answer, followed by No exact solution was found\n"
                                "before solving stopped. Then, for every\n"
                                "equation, its values at the guess:\n"
                                "  Calculated Left Side:   the left side\n"
                                "  Calculated Right Side:  the right side\n"
                                "  Difference:             left minus right\n"
                                "and at the end the Maximum Error, the RMS Error\n"
                                "(the root mean square of the differences) and\n"
                                "the Total Squared Error.\n"
                                "\n"
                                "An equation that has no solution, such as\n"
                                "x+1=x+2, keeps the search running until you\n"
                                "type a key. An approximate answer does not\n"
                                "change ANS. Small errors mean the guess nearly\n"
                                "solves the equations; large ones usually mean\n"
                                "there is no solution.\n"
                                "\n"
                                "See also: HELP SOLVER, HELP SYSTEMS"));

    AddHelpEntry(entries, QStringLiteral("INFO"),
                 {QStringLiteral("INFO"), QStringLiteral("INFORMATION"), QStringLiteral("APPLICATION INFO"),
                  QStringLiteral("STATUS")},
                 QStringLiteral("COMMANDS"),
                 QStringLiteral("Shows a report on Sumvelle, the workspace, the settings and the document."),
                 QStringLiteral("INFO\n"
                                "\n"
                                "INFO writes the Sumvelle Information report\n"
                                "into the pad, in five parts: Application\n"
                                "(version, Qt version, platform), Workspace\n"
                                "(variables, custom functions, ANS, undo and\n"
                                "redo states), Calculation (number format,\n"
                                "output base, word operators, ignore text),\n"
                                "Interface (predictive text, syntax help,\n"
                                "topmost, font) and Document (name, path, lines,\n"
                                "characters, modified). The status bar says\n"
                                "Information displayed. Help > Information does\n"
                                "the same.\n"
                                "\n"
                                "See also: HELP UPTIME"));

    AddHelpEntry(entries, QStringLiteral("UPTIME"),
                 {QStringLiteral("UPTIME"), QStringLiteral("APPLICATION UPTIME"), QStringLiteral("SESSION UPTIME"),
                  QStringLiteral("RUN TIME")},
                 QStringLiteral("COMMANDS"), QStringLiteral("Shows how long Sumvelle has been running."),
                 QStringLiteral("UPTIME\n"
                                "\n"
                                "UPTIME answers how long Sumvelle has been\n"
                                "running, for example 2 hours, 0 minutes, 15\n"
                                "seconds. Days, hours and minutes appear once\n"
                                "they are reached; seconds always do. Help >\n"
                                "Uptime does the same.\n"
                                "\n"
                                "See also: HELP INFO"));

    AddHelpEntry(entries, QStringLiteral("CLEAR / CLR / CLS"),
                 {QStringLiteral("CLEAR"), QStringLiteral("CLR"), QStringLiteral("CLS"), QStringLiteral("CLEAR PAD")},
                 QStringLiteral("COMMANDS"),
                 QStringLiteral("Clears the calculator pad and removes all user variables."),
                 QStringLiteral("CLEAR / CLR / CLS\n"
                                "\n"
                                "Clears the calculator pad and removes all currently stored user\n"
                                "variables.\n"
                                "\n"
                                "These three commands are aliases:\n"
                                "  CLEAR\n"
                                "  CLR\n"
                                "  CLS"));

    AddHelpEntry(entries, QStringLiteral("MIN"),
                 {QStringLiteral("MIN"), QStringLiteral("MINIMIZE"), QStringLiteral("MINIMISE")},
                 QStringLiteral("WINDOW"), QStringLiteral("Minimises the Sumvelle window."),
                 QStringLiteral("MIN\n"
                                "\n"
                                "MIN, typed alone on a line, minimises the\n"
                                "Sumvelle window."));

    AddHelpEntry(entries, QStringLiteral("MAX"),
                 {QStringLiteral("MAX"), QStringLiteral("MAXIMIZE"), QStringLiteral("MAXIMISE")},
                 QStringLiteral("WINDOW"), QStringLiteral("Maximises the Sumvelle window."),
                 QStringLiteral("MAX\n"
                                "\n"
                                "MAX, typed alone on a line, maximises the\n"
                                "Sumvelle window."));

    AddHelpEntry(entries, QStringLiteral("RESTORE"), {QStringLiteral("RESTORE"), QStringLiteral("NORMAL WINDOW")},
                 QStringLiteral("WINDOW"), QStringLiteral("Returns the window to its normal size."),
                 QStringLiteral("RESTORE\n"
                                "\n"
                                "RESTORE returns a minimised or maximised window\n"
                                "to its normal size."));

    AddHelpEntry(entries, QStringLiteral("TOPMOST / ON TOP"),
                 {QStringLiteral("TOPMOST"), QStringLiteral("TOP MOST"), QStringLiteral("ONTOP"),
                  QStringLiteral("ON TOP"), QStringLiteral("ALWAYS ON TOP")},
                 QStringLiteral("WINDOW"), QStringLiteral("Keeps the Sumvelle window above other windows."),
                 QStringLiteral("TOPMOST / ON TOP\n"
                                "\n"
                                "TOPMOST, TOP MOST, ONTOP or ON TOP keeps the\n"
                                "Sumvelle window above other windows.\n"
                                "\n"
                                "The window handle commands HANDLE, SETTOPMOST,\n"
                                "SETNOTTOPMOST, SHOW, HIDE, ENABLE and DISABLE\n"
                                "act on a window through its handle, which only\n"
                                "Windows has. Here HANDLE answers with a line\n"
                                "saying so, and the others answer Invalid\n"
                                "Handle, or 0 when a handle number follows them;\n"
                                "no window changes."));

    AddHelpEntry(entries, QStringLiteral("NOT TOPMOST / NOT ON TOP"),
                 {QStringLiteral("NOT TOPMOST"), QStringLiteral("NOT TOP MOST"), QStringLiteral("NOTONTOP"),
                  QStringLiteral("NOT ON TOP"), QStringLiteral("REMOVE TOPMOST")},
                 QStringLiteral("WINDOW"), QStringLiteral("Lets other windows cover the Sumvelle window again."),
                 QStringLiteral("NOT TOPMOST / NOT ON TOP\n"
                                "\n"
                                "NOT TOPMOST, NOT TOP MOST, NOTONTOP or NOT ON\n"
                                "TOP lets other windows cover the Sumvelle\n"
                                "window again."));

    AddHelpEntry(entries, QStringLiteral("FONT <size>"),
                 {QStringLiteral("FONT"), QStringLiteral("FONT SIZE"), QStringLiteral("TEXT SIZE")},
                 QStringLiteral("COMMANDS"), QStringLiteral("Sets the size of the pad's text in points."),
                 QStringLiteral("FONT <size>\n"
                                "\n"
                                "FONT followed by a size in points, such as FONT\n"
                                "14, sets the size of the pad's text; the status\n"
                                "bar says Font size = 14. The size may have\n"
                                "decimals and must be above 0 and at most 1000;\n"
                                "anything else shows Invalid font size and\n"
                                "changes nothing.\n"
                                "\n"
                                "Options > Font... chooses the font and its\n"
                                "size, and Options > Larger and Options >\n"
                                "Smaller change the size a step at a time.\n"
                                "\n"
                                "See also: HELP FORMAT, HELP MENU"));

    AddHelpEntry(entries, QStringLiteral("FORMAT"),
                 {QStringLiteral("FORMAT"), QStringLiteral("FORMATTING"), QStringLiteral("NUMBER FORMAT"),
                  QStringLiteral("MONEY"), QStringLiteral("DECIMALS")},
                 QStringLiteral("COMMANDS"), QStringLiteral("Shows or sets the format in which answers are written."),
                 QStringLiteral("FORMAT\n"
                                "\n"
                                "FORMAT = <format> sets the number format of the\n"
                                "answers, FORMAT alone shows the current one in\n"
                                "the status bar, and FORMAT = with nothing after\n"
                                "it clears it, so answers are written plainly\n"
                                "again. In a format, # is an optional digit, 0 a\n"
                                "digit always shown, a comma asks for thousands\n"
                                "separators and the part after the point sets\n"
                                "the decimals; other characters, such as $, are\n"
                                "written as they are.\n"
                                "\n"
                                "Examples:\n"
                                "  FORMAT = $#,###,##0.00\n"
                                "      money: 1234.5 shows as $1,234.50\n"
                                "  FORMAT = #,###,##0.\n"
                                "      1234567.89 shows as 1,234,568\n"
                                "  FORMAT =\n"
                                "      back to plain answers\n"
                                "\n"
                                "Options > Number Format offers the same two\n"
                                "formats and Clear Number Format. The format\n"
                                "changes how answers look, not the values kept\n"
                                "in ANS and the variables.\n"
                                "\n"
                                "See also: HELP ROUNDING, HELP FONT"));

    AddHelpEntry(entries, QStringLiteral("EXIT / END / CLOSE"),
                 {QStringLiteral("EXIT"), QStringLiteral("END"), QStringLiteral("CLOSE"), QStringLiteral("QUIT")},
                 QStringLiteral("COMMANDS"), QStringLiteral("Closes Sumvelle."),
                 QStringLiteral("EXIT / END / CLOSE\n"
                                "\n"
                                "EXIT, END, CLOSE or QUIT, typed alone on a\n"
                                "line, closes Sumvelle as File > Exit does.\n"
                                "\n"
                                "See also: HELP CLEAR"));

    AddHelpEntry(entries, QStringLiteral("MENU <option> [value]"),
                 {QStringLiteral("MENU"), QStringLiteral("MENU OPTIONS"), QStringLiteral("MENU WORD OPERATORS"),
                  QStringLiteral("MENU IGNORE TEXT"), QStringLiteral("MENU PREDICTIVE TEXT"),
                  QStringLiteral("MENU SYNTAX HELP"), QStringLiteral("MENU OUTPUT BASE"), QStringLiteral("OUTPUT BASE"),
                  QStringLiteral("WORD OPERATORS ON"), QStringLiteral("WORD OPERATORS OFF")},
                 QStringLiteral("COMMANDS"),
                 QStringLiteral("Shows or changes the menu switches and the output base from the pad."),
                 QStringLiteral("MENU <option> [value]\n"
                                "\n"
                                "MENU with an option shows its setting; add ON\n"
                                "or OFF to change a switch, or a base to change\n"
                                "the output base. The answer is written into the\n"
                                "pad and the status bar.\n"
                                "\n"
                                "Options:\n"
                                "  MENU WORD OPERATORS [ON|OFF]\n"
                                "  MENU IGNORE TEXT [ON|OFF]\n"
                                "  MENU PREDICTIVE TEXT [ON|OFF]\n"
                                "  MENU SYNTAX HELP [ON|OFF]\n"
                                "  MENU OUTPUT BASE [DEC|BIN|OCT|HEX]\n"
                                "The output base also accepts DECIMAL, BINARY,\n"
                                "OCTAL and HEXADECIMAL.\n"
                                "\n"
                                "Examples:\n"
                                "  MENU WORD OPERATORS   -> Word Operators = ON\n"
                                "  MENU SYNTAX HELP OFF  -> Syntax Help = OFF\n"
                                "  MENU SYNTAX HELP ON   -> Syntax Help = ON\n"
                                "  MENU OUTPUT BASE HEX\n"
                                "    -> Output Base = Hexadecimal\n"
                                "  255                   -> FF\n"
                                "  MENU OUTPUT BASE DEC\n"
                                "    -> Output Base = Decimal\n"
                                "\n"
                                "Any other option answers with the list MENU\n"
                                "options: WORD OPERATORS, IGNORE TEXT,\n"
                                "PREDICTIVE TEXT, SYNTAX HELP, OUTPUT BASE. The\n"
                                "same switches are on the Options menu, the\n"
                                "bases on File > Output Base, and Tools >\n"
                                "Commands > Settings types the commands.\n"
                                "\n"
                                "See also: HELP WORD OPERATORS,\n"
                                "HELP IGNORE TEXT, HELP PROGRAMMER MATH"));

    AddHelpEntry(entries, QStringLiteral("WORD OPERATORS"),
                 {QStringLiteral("WORD OPERATORS"),
                  QStringLiteral("WORDS"),
                  QStringLiteral("NUMBER WORDS"),
                  QStringLiteral("PLUS"),
                  QStringLiteral("ADD"),
                  QStringLiteral("ADDED"),
                  QStringLiteral("MINUS"),
                  QStringLiteral("SUBTRACT"),
                  QStringLiteral("SUBTRACTED"),
                  QStringLiteral("MULTIPLY"),
                  QStringLiteral("MULTIPLIED"),
                  QStringLiteral("TIMES"),
                  QStringLiteral("OF"),
                  QStringLiteral("DIVIDE"),
                  QStringLiteral("DIVIDED"),
                  QStringLiteral("OVER"),
                  QStringLiteral("POWER"),
                  QStringLiteral("EXPONENT"),
                  QStringLiteral("EQUAL"),
                  QStringLiteral("EQUALS"),
                  QStringLiteral("NEGATIVE"),
                  QStringLiteral("POSITIVE")},
                 QStringLiteral("BASICS"),
                 QStringLiteral("Write calculations in words, such as 2 plus 3 or twenty times four."),
                 QStringLiteral("WORD OPERATORS\n"
                                "\n"
                                "With word operators on, Sumvelle reads operator\n"
                                "words and number words in any case:\n"
                                "  + PLUS, ADD, ADDED, ADDED TO, POSITIVE\n"
                                "  - MINUS, SUBTRACT, SUBTRACTED, NEGATIVE\n"
                                "  * TIMES, MULTIPLY, MULTIPLIED BY, OF\n"
                                "  / DIVIDE, DIVIDED BY, OVER\n"
                                "  ^ POWER, EXPONENT, RAISED TO, TO THE POWER OF\n"
                                "  = EQUAL, EQUALS\n"
                                "\n"
                                "Numbers may be written as words too: ZERO to\n"
                                "NINETEEN, the tens from TWENTY to NINETY,\n"
                                "HUNDRED, THOUSAND, MILLION, BILLION, TRILLION\n"
                                "and POINT.\n"
                                "\n"
                                "Examples:\n"
                                "  2 plus 3              -> 5\n"
                                "  6 times 7             -> 42\n"
                                "  20 divided by 4       -> 5\n"
                                "  3 multiplied by 4     -> 12\n"
                                "  10 over 4             -> 2.5\n"
                                "  2 to the power of 3   -> 8\n"
                                "  twenty plus five      -> 25\n"
                                "  negative 5 plus 2     -> -3\n"
                                "\n"
                                "Options > Use Word Operators switches them, as\n"
                                "do MENU WORD OPERATORS ON and MENU WORD\n"
                                "OPERATORS OFF.\n"
                                "\n"
                                "See also: HELP OF, HELP IGNORE TEXT, HELP MENU"));

    AddHelpEntry(entries, QStringLiteral("ENTER / SHIFT+ENTER"),
                 {QStringLiteral("ENTER"), QStringLiteral("SHIFT ENTER"), QStringLiteral("SHIFT+ENTER"),
                  QStringLiteral("NEW LINE"), QStringLiteral("SUBMIT"), QStringLiteral("CALCULATE")},
                 QStringLiteral("BASICS"),
                 QStringLiteral("Enter calculates the line; Shift+Enter starts a new line without calculating."),
                 QStringLiteral("ENTER / SHIFT+ENTER\n"
                                "\n"
                                "Enter calculates the line the cursor is on,\n"
                                "wherever the cursor stands in it: the whole\n"
                                "line is used and the answer goes below it.\n"
                                "Parentheses left open are closed first.\n"
                                "\n"
                                "Shift+Enter only starts a new line, so you can\n"
                                "write notes or several lines before calculating\n"
                                "any of them.\n"
                                "\n"
                                "Inside an open equation block, Enter starts the\n"
                                "next line of the block; the line ending with }\n"
                                "solves the block. While the predictive text\n"
                                "list is open, Enter still calculates the line;\n"
                                "Tab takes the suggestion.\n"
                                "\n"
                                "See also: HELP EXECUTE SELECTED LINES,\n"
                                "HELP SYSTEMS, HELP CONTINUE ANSWER"));

    AddHelpEntry(entries, QStringLiteral("CONTINUE PREVIOUS ANSWER"),
                 {QStringLiteral("CONTINUE ANSWER"), QStringLiteral("CONTINUE PREVIOUS ANSWER"),
                  QStringLiteral("ANSWER CONTINUATION"), QStringLiteral("NEW LINE OPERATOR"),
                  QStringLiteral("OPERATOR ON NEW LINE"), QStringLiteral("CONTINUE")},
                 QStringLiteral("BASICS"),
                 QStringLiteral("An operator typed first on a new line continues the answer above it."),
                 QStringLiteral("CONTINUE PREVIOUS ANSWER\n"
                                "\n"
                                "After an answer, type one of + - * / ^ or \u00F7 as\n"
                                "the first character of the next line: Sumvelle\n"
                                "joins it to the answer line above, so you keep\n"
                                "calculating with the answer. Press Enter to\n"
                                "calculate.\n"
                                "\n"
                                "For example, after 2+3 answers 5, typing *4 on\n"
                                "the new line turns the answer line into 5*4,\n"
                                "and Enter answers 20.\n"
                                "\n"
                                "To start a line with a minus sign instead, type\n"
                                "a space first or write 0-5. ANS also stands for\n"
                                "the last answer anywhere in a line.\n"
                                "\n"
                                "See also: HELP ANS"));

    AddHelpEntry(entries, QStringLiteral("EXECUTE SELECTED LINES"),
                 {QStringLiteral("EXECUTE SELECTED LINES"), QStringLiteral("EXECUTE SELECTION"),
                  QStringLiteral("RUN SELECTED LINES"), QStringLiteral("RUN SELECTION"),
                  QStringLiteral("SELECTED LINES"), QStringLiteral("RIGHT CLICK"), QStringLiteral("EXECUTE")},
                 QStringLiteral("BASICS"), QStringLiteral("Calculates every selected line again, one after the other."),
                 QStringLiteral("EXECUTE SELECTED LINES\n"
                                "\n"
                                "Select some lines of the pad and choose File >\n"
                                "Execute Selected Lines, or right-click the pad\n"
                                "and choose Execute Selected Lines. Each\n"
                                "selected line is calculated in turn, as if you\n"
                                "had pressed Enter at its end, and its answer\n"
                                "goes on a new line below it. Blank lines are\n"
                                "skipped, and an equation block in braces is\n"
                                "solved as one. While the lines run, the status\n"
                                "bar shows the progress, such as [Bulk: 3/10, 7\n"
                                "left]. With nothing selected nothing happens.\n"
                                "\n"
                                "Old answer lines in the selection are\n"
                                "calculated again too, and an old answer such as\n"
                                "A = 2 is itself an assignment. So after\n"
                                "changing A = 2 to A = 7 above A^2, running all\n"
                                "the lines sets A back to 2, answers 4 again and\n"
                                "doubles every answer line. To recalculate with\n"
                                "a changed value, delete the old answer lines\n"
                                "first, so that only the question lines are\n"
                                "left, then select those and run them:\n"
                                "  A = 7\n"
                                "  A^2\n"
                                "now answer A = 7 and 49.\n"
                                "\n"
                                "See also: HELP ENTER, HELP VARIABLES"));

    AddHelpEntry(entries, QStringLiteral("IGNORE TEXT"),
                 {QStringLiteral("IGNORE TEXT"), QStringLiteral("IGNORE UNKNOWN TEXT"),
                  QStringLiteral("IGNORE LETTERS"), QStringLiteral("TEXT IGNORE")},
                 QStringLiteral("BASICS"),
                 QStringLiteral("Lets words that are not part of the calculation be skipped."),
                 QStringLiteral("IGNORE TEXT\n"
                                "\n"
                                "With Ignore Text on, a line that cannot be\n"
                                "solved as written is tried again without its\n"
                                "notes and labels: words that stand beside a\n"
                                "number, such as a name before it or a unit\n"
                                "after it, and marks such as $.\n"
                                "\n"
                                "Examples:\n"
                                "  total 5 + 3 apples      -> 8\n"
                                "  Rent: 1200 + Food: 300  -> 1500\n"
                                "  5 kg + 3 kg             -> 8\n"
                                "  1,000 + 5               -> 1005\n"
                                "\n"
                                "Text that carries meaning is never left out,\n"
                                "so such a line answers -Cannot Solve- rather\n"
                                "than a different calculation: a function name\n"
                                "(with or without parentheses), any name before\n"
                                "an opening parenthesis, a name joined to\n"
                                "digits, a name standing where a number must\n"
                                "be, a TO whose conversion was not understood,\n"
                                "a sign between digits other than a thousands\n"
                                "comma, and, in a line written with word\n"
                                "operators, any word left over.\n"
                                "  cos 0                   -> -Cannot Solve-\n"
                                "  y + 1                   -> -Cannot Solve-\n"
                                "  1,5 + 1                 -> -Cannot Solve-\n"
                                "  2 kg to m               -> -Cannot Solve-\n"
                                "  five squared            -> -Cannot Solve-\n"
                                "\n"
                                "Names of variables, functions and constants\n"
                                "are still read as such. Options > Ignore Text\n"
                                "When Cannot Solve switches it, as do MENU\n"
                                "IGNORE TEXT ON and MENU IGNORE TEXT OFF.\n"
                                "\n"
                                "See also: HELP WORD OPERATORS, HELP MENU"));

    AddHelpEntry(entries, QStringLiteral("PREDICTIVE TEXT COMPLETE"),
                 {QStringLiteral("PREDICTIVE TEXT"), QStringLiteral("AUTOCOMPLETE"), QStringLiteral("AUTO COMPLETE"),
                  QStringLiteral("COMPLETION"), QStringLiteral("MENU PREDICTIVE TEXT")},
                 QStringLiteral("SETTINGS"), QStringLiteral("Suggests function names, commands and units as you type."),
                 QStringLiteral("PREDICTIVE TEXT COMPLETE\n"
                                "\n"
                                "While you type, a list under the cursor offers\n"
                                "the words that begin with what you just typed:\n"
                                "function and command names, your variables and\n"
                                "the unit conversion words. Up and Down choose,\n"
                                "Tab takes the highlighted word (a function name\n"
                                "comes with its opening parenthesis) and Escape\n"
                                "closes the list; Enter still calculates the\n"
                                "line. No list is offered while text is selected\n"
                                "or while a solve is running.\n"
                                "\n"
                                "Options > Predictive Text Complete switches the\n"
                                "list on and off, as do MENU PREDICTIVE TEXT ON\n"
                                "and MENU PREDICTIVE TEXT OFF.\n"
                                "\n"
                                "See also: HELP SYNTAX HELP, HELP MENU"));

    AddHelpEntry(entries, QStringLiteral("SYNTAX HELP"),
                 {QStringLiteral("SYNTAX HELP"), QStringLiteral("PARAMETER HELP"), QStringLiteral("FUNCTION SIGNATURE"),
                  QStringLiteral("SIGNATURE HELP"), QStringLiteral("MENU SYNTAX HELP")},
                 QStringLiteral("SETTINGS"), QStringLiteral("Shows a function's arguments while you type its call."),
                 QStringLiteral("SYNTAX HELP\n"
                                "\n"
                                "While you type a function call or a command, a\n"
                                "small label just under the cursor shows how it\n"
                                "is written, with the argument you are typing in\n"
                                "bold: inside SIN( it shows SIN(angle) with\n"
                                "angle bold, and after the first comma of MIN(\n"
                                "the second value is bold.\n"
                                "\n"
                                "Options > Syntax Help switches it on and off,\n"
                                "as do MENU SYNTAX HELP ON and MENU SYNTAX HELP\n"
                                "OFF.\n"
                                "\n"
                                "See also: HELP PREDICTIVE TEXT, HELP MENU"));
}
