#include "help/HelpCatalog.h"

using namespace Qt::StringLiterals;

// Help topics 1-54 of the catalogue, in build order: the core functions, the
// programmer functions and the statistics functions. Every example line is
// run by the help's example test, so a result written here is the pad's own.
void AddMathHelpTopics(QList<HelpEntry>& entries)
{
    AddStandardFunctionHelpEntry(
        entries, u"SQRT"_s, {u"SQRT"_s, u"SQUARE ROOT"_s, u"ROOT"_s}, u"FUNCTIONS"_s,
        u"Returns the non-negative square root of a real value."_s, u"SQRT(value)"_s,
        u"value: The number or expression whose square root is required. It must evaluate to zero or a positive "
        "real number."_s,
        u"SQRT(25) -> 5\nSQRT(144) -> 12\nSQRT(ABS(-100)) -> 10"_s,
        u"Use SQRT when reversing a squared value or when a formula requires a square root, such as geometry, "
        "distance, statistics, and engineering calculations."_s,
        u"Sumvelle evaluates the argument and returns the non-negative real number which, when multiplied by "
        "itself, produces the supplied value. Negative real inputs are rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"ABS"_s, {u"ABS"_s, u"ABSOLUTE"_s, u"ABSOLUTE VALUE"_s}, u"FUNCTIONS"_s,
        u"Returns the absolute value of a real number, its distance from zero."_s, u"ABS(value)"_s,
        u"value: Any real number or expression."_s, u"ABS(-7.5) -> 7.5\nABS(12) -> 12\nABS(3 - 10) -> 7"_s,
        u"Use ABS when only the size of a quantity matters and not its direction, such as differences, errors, "
        "deviations and distances."_s,
        u"Sumvelle evaluates the argument and returns it unchanged when it is zero or positive, or without its "
        "minus sign when it is negative. Every finite value is accepted; only an argument that cannot be "
        "evaluated is rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"SIGN"_s, {u"SIGN"_s, u"SIGNUM"_s, u"SIGN FUNCTION"_s}, u"FUNCTIONS"_s,
        u"Returns 1 for a positive value, -1 for a negative value and 0 for zero."_s, u"SIGN(value)"_s,
        u"value: Any real number or expression."_s, u"SIGN(-42) -> -1\nSIGN(0) -> 0\nSIGN(3.7) -> 1"_s,
        u"Use SIGN to find the direction of a value, for example whether a balance is a credit or a debit, or to "
        "give one value the sign of another, as in SIGN(A) * ABS(B)."_s,
        u"Sumvelle compares the evaluated argument with zero and returns 1, -1 or 0; the size of the value does "
        "not matter. Every finite value is accepted; only an argument that cannot be evaluated is rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"SIN"_s, {u"SIN"_s, u"SINE"_s}, u"FUNCTIONS"_s, u"Returns the sine of an angle given in radians."_s,
        u"SIN(angle)"_s,
        u"angle: The angle in radians, any real number. Convert an angle in degrees with RAD, as in "
        "SIN(RAD(30))."_s,
        u"SIN(PI/2) -> 1\nSIN(RAD(30)) -> 0.5\nSIN(PI) -> 0"_s,
        u"Use SIN in triangle and wave calculations, such as finding the side opposite an angle or the vertical "
        "part of a force or a movement."_s,
        u"Sumvelle always works in radians: it evaluates the angle and returns its sine, a value from -1 to 1. "
        "Every finite angle is accepted. A result that differs from a short decimal only by rounding noise is "
        "shown as that decimal, which is why SIN(PI) shows 0."_s);

    AddStandardFunctionHelpEntry(
        entries, u"COS"_s, {u"COS"_s, u"COSINE"_s}, u"FUNCTIONS"_s,
        u"Returns the cosine of an angle given in radians."_s, u"COS(angle)"_s,
        u"angle: The angle in radians, any real number. Convert an angle in degrees with RAD, as in "
        "COS(RAD(60))."_s,
        u"COS(0) -> 1\nCOS(PI) -> -1\nCOS(RAD(60)) -> 0.5"_s,
        u"Use COS to find the side next to an angle in a right triangle, the horizontal part of a force or a "
        "movement, or in wave and rotation formulas."_s,
        u"Sumvelle always works in radians: it evaluates the angle and returns its cosine, a value from -1 to 1. "
        "Every finite angle is accepted. A result that differs from a short decimal only by rounding noise is "
        "shown as that decimal, which is why COS(PI/2) shows 0."_s);

    AddStandardFunctionHelpEntry(
        entries, u"TAN"_s, {u"TAN"_s, u"TANGENT"_s}, u"FUNCTIONS"_s,
        u"Returns the tangent of an angle given in radians."_s, u"TAN(angle)"_s,
        u"angle: The angle in radians, any real number. Convert an angle in degrees with RAD, as in "
        "TAN(RAD(45))."_s,
        u"TAN(PI/4) -> 1\nTAN(RAD(45)) -> 1\nTAN(0) -> 0"_s,
        u"Use TAN for slopes and grades, and for a height found from a distance and an angle, such as the height "
        "of a building seen at a known angle."_s,
        u"Sumvelle evaluates the angle in radians and returns its sine divided by its cosine. Every finite angle "
        "is accepted. Near an odd multiple of PI/2, where the tangent is undefined, the result is a very large "
        "positive or negative number rather than an error."_s);

    AddStandardFunctionHelpEntry(
        entries, u"ASIN"_s, {u"ASIN"_s, u"ARC SINE"_s, u"ARCSIN"_s}, u"FUNCTIONS"_s,
        u"Returns the angle, in radians, whose sine is the given value."_s, u"ASIN(value)"_s,
        u"value: A number or expression from -1 to 1."_s,
        u"ASIN(1) -> 1.5707963267949\nDEG(ASIN(0.5)) -> 30\nASIN(0) -> 0"_s,
        u"Use ASIN to recover an angle from a ratio of sides, such as the opposite side divided by the "
        "hypotenuse of a right triangle."_s,
        u"Sumvelle returns the principal value, an angle from -PI/2 to PI/2 radians; wrap the call in DEG to "
        "read it in degrees. Values below -1 or above 1 have no real arc sine and are rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"ACOS"_s, {u"ACOS"_s, u"ARC COSINE"_s, u"ARCCOS"_s}, u"FUNCTIONS"_s,
        u"Returns the angle, in radians, whose cosine is the given value."_s, u"ACOS(value)"_s,
        u"value: A number or expression from -1 to 1."_s,
        u"ACOS(-1) -> 3.14159265358979\nDEG(ACOS(0.5)) -> 60\nACOS(1) -> 0"_s,
        u"Use ACOS to recover an angle from a ratio of sides, such as the adjacent side divided by the "
        "hypotenuse, or the angle between two vectors from their dot product."_s,
        u"Sumvelle returns the principal value, an angle from 0 to PI radians; wrap the call in DEG to read it "
        "in degrees. Values below -1 or above 1 have no real arc cosine and are rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"ATAN"_s, {u"ATAN"_s, u"ARC TANGENT"_s, u"ARCTAN"_s}, u"FUNCTIONS"_s,
        u"Returns the angle, in radians, whose tangent is the given value."_s, u"ATAN(value)"_s,
        u"value: Any real number or expression."_s, u"ATAN(1) -> 0.785398163397448\nDEG(ATAN(1)) -> 45\nATAN(0) -> 0"_s,
        u"Use ATAN to turn a slope or a ratio of rise to run into an angle."_s,
        u"Sumvelle returns the principal value, an angle between -PI/2 and PI/2 radians; wrap the call in DEG "
        "to read it in degrees. Every finite value is accepted. As only the ratio is given, ATAN cannot tell "
        "opposite quadrants apart: use ATAN2 when the signs of both coordinates matter."_s);

    AddStandardFunctionHelpEntry(
        entries, u"ATAN2"_s, {u"ATAN2"_s, u"DIRECTIONAL ANGLE"_s}, u"FUNCTIONS"_s,
        u"Returns the angle, in radians, from the positive x-axis to the point (x, y)."_s, u"ATAN2(y, x)"_s,
        u"y: The vertical coordinate, any real number.\nx: The horizontal coordinate, any real number."_s,
        u"DEG(ATAN2(1, 1)) -> 45\nDEG(ATAN2(1, -1)) -> 135\nDEG(ATAN2(-1, -1)) -> -135"_s,
        u"Use ATAN2 to find a direction or bearing from two coordinate differences, such as the angle of a "
        "vector, where the quadrant matters."_s,
        u"Sumvelle takes the vertical coordinate first and the horizontal one second and returns an angle from "
        "-PI to PI radians in the quadrant of the point; ATAN2(0, 0) gives 0. A call with other than two "
        "arguments, or with an argument that cannot be evaluated, is rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"RAD"_s, {u"RAD"_s, u"RADIANS"_s, u"DEGREES TO RADIANS"_s}, u"FUNCTIONS"_s,
        u"Converts an angle from degrees to radians."_s, u"RAD(degrees)"_s,
        u"degrees: The angle in degrees, any real number."_s,
        u"RAD(180) -> 3.14159265358979\nRAD(90) -> 1.5707963267949\nSIN(RAD(30)) -> 0.5"_s,
        u"Use RAD to hand an angle measured in degrees to SIN, COS and TAN, which work in radians."_s,
        u"Sumvelle multiplies the value by PI and divides it by 180. Every finite value is accepted; only an "
        "argument that cannot be evaluated is rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"DEG"_s, {u"DEG"_s, u"DEGREES"_s, u"RADIANS TO DEGREES"_s}, u"FUNCTIONS"_s,
        u"Converts an angle from radians to degrees."_s, u"DEG(radians)"_s,
        u"radians: The angle in radians, any real number."_s, u"DEG(PI) -> 180\nDEG(PI/2) -> 90\nDEG(ATAN(1)) -> 45"_s,
        u"Use DEG to read the angles returned by ASIN, ACOS, ATAN and ATAN2, which are in radians, in "
        "degrees."_s,
        u"Sumvelle multiplies the value by 180 and divides it by PI. Every finite value is accepted; only an "
        "argument that cannot be evaluated is rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"LOG"_s, {u"LOG"_s, u"LOGARITHM"_s, u"BASE 10 LOG"_s}, u"FUNCTIONS"_s,
        u"Returns the base-10 logarithm of a positive value."_s, u"LOG(value)"_s,
        u"value: A number or expression greater than zero."_s, u"LOG(1000) -> 3\nLOG(0.01) -> -2\nLOG(1) -> 0"_s,
        u"Use LOG for decibels, pH values, orders of magnitude and other base-10 scales, or to find the power to "
        "which 10 must be raised."_s,
        u"Sumvelle returns the power to which 10 must be raised to give the value. Zero and negative values "
        "have no logarithm and are rejected. For the natural logarithm use LN."_s);

    AddStandardFunctionHelpEntry(
        entries, u"LN"_s, {u"LN"_s, u"NATURAL LOG"_s, u"NATURAL LOGARITHM"_s}, u"FUNCTIONS"_s,
        u"Returns the natural logarithm (base e) of a positive value."_s, u"LN(value)"_s,
        u"value: A number or expression greater than zero."_s, u"LN(EULER) -> 1\nLN(1) -> 0\nLN(EXP(3)) -> 3"_s,
        u"Use LN in growth and decay, continuous compounding, half-life and other formulas built on e, and to "
        "solve for an exponent."_s,
        u"Sumvelle returns the power to which EULER (about 2.71828) must be raised to give the value; LN is the "
        "inverse of EXP. Zero and negative values have no logarithm and are rejected. For the base-10 logarithm "
        "use LOG."_s);

    AddStandardFunctionHelpEntry(
        entries, u"EXP"_s, {u"EXP"_s, u"EXPONENTIAL"_s}, u"FUNCTIONS"_s,
        u"Returns e raised to the power of the given value."_s, u"EXP(value)"_s,
        u"value: The exponent, any real number up to about 709.78."_s,
        u"EXP(0) -> 1\nEXP(1) -> 2.71828182845905\nEXP(LN(5)) -> 5"_s,
        u"Use EXP for continuous growth and decay, such as continuously compounded interest, population growth "
        "or the discharge of a capacitor."_s,
        u"Sumvelle raises EULER (about 2.71828) to the value; EXP is the inverse of LN. An exponent above about "
        "709.78, whose result is too large for a number, is rejected; very negative exponents give results "
        "close to 0."_s);

    AddStandardFunctionHelpEntry(
        entries, u"ROUND"_s, {u"ROUND"_s, u"ROUNDING"_s}, u"FUNCTIONS"_s,
        u"Returns a value rounded to a whole number or to a chosen number of decimal places."_s,
        u"ROUND(value)\nROUND(decimalPlaces, value)"_s,
        u"value: The number or expression to round, any real number.\ndecimalPlaces: The number of decimal "
        "places to keep, a whole number from 0 to 15. When given, it comes first."_s,
        u"ROUND(2.5) -> 3\nROUND(-2.5) -> -3\nROUND(2, PI) -> 3.14\nROUND(1, 1234.56) -> 1234.6"_s,
        u"Use ROUND to show money, measurements and other results at a sensible precision, or to remove tiny "
        "remainders before comparing values."_s,
        u"With one argument Sumvelle rounds to the nearest whole number, halves away from zero, so 2.5 gives 3 "
        "and -2.5 gives -3. With two arguments the first is the number of decimal places and the second the "
        "value, rounded in the same way at that place. A place count that is negative, fractional or above 15 "
        "is rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"FLOOR"_s, {u"FLOOR"_s}, u"FUNCTIONS"_s,
        u"Returns the largest whole number that is less than or equal to the value."_s, u"FLOOR(value)"_s,
        u"value: Any real number or expression."_s, u"FLOOR(3.7) -> 3\nFLOOR(-3.2) -> -4\nFLOOR(5) -> 5"_s,
        u"Use FLOOR to round down, for example to count the complete boxes, pages or periods that a quantity "
        "fills."_s,
        u"Sumvelle rounds toward negative infinity, so a negative value with a fractional part moves away from "
        "zero. Whole numbers are returned unchanged. Every finite value is accepted; only an argument that "
        "cannot be evaluated is rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"CEIL"_s, {u"CEIL"_s, u"CEILING"_s}, u"FUNCTIONS"_s,
        u"Returns the smallest whole number that is greater than or equal to the value."_s, u"CEIL(value)"_s,
        u"value: Any real number or expression."_s, u"CEIL(3.2) -> 4\nCEIL(-3.7) -> -3\nCEIL(5) -> 5"_s,
        u"Use CEIL to round up, for example to find how many containers, trips or packs are needed to hold a "
        "quantity."_s,
        u"Sumvelle rounds toward positive infinity, so a negative value with a fractional part moves toward "
        "zero. Whole numbers are returned unchanged. Every finite value is accepted; only an argument that "
        "cannot be evaluated is rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"GCD"_s, {u"GCD"_s, u"GREATEST COMMON DIVISOR"_s}, u"FUNCTIONS"_s,
        u"Returns the greatest common divisor of two whole numbers."_s, u"GCD(integer1, integer2)"_s,
        u"integer1, integer2: Whole numbers, negative, zero or positive, of magnitude at most 9007199254740991 "
        "(2^53 - 1)."_s,
        u"GCD(12, 18) -> 6\nGCD(-48, 36) -> 12\nGCD(17, 5) -> 1"_s,
        u"Use GCD to reduce a fraction to lowest terms, to split quantities into the largest equal groups, or "
        "to check whether two numbers share a factor."_s,
        u"Sumvelle applies Euclid's algorithm to the magnitudes of the two numbers, so the result is never "
        "negative; GCD(0, 0) is 0 and GCD(n, 0) is the magnitude of n. Values with a fractional part and values "
        "beyond 2^53 - 1 in size are rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"LCM"_s, {u"LCM"_s, u"LEAST COMMON MULTIPLE"_s}, u"FUNCTIONS"_s,
        u"Returns the least common multiple of two whole numbers."_s, u"LCM(integer1, integer2)"_s,
        u"integer1, integer2: Whole numbers, negative, zero or positive, of magnitude at most 9007199254740991 "
        "(2^53 - 1)."_s,
        u"LCM(4, 6) -> 12\nLCM(-3, 5) -> 15\nLCM(7, 0) -> 0"_s,
        u"Use LCM to find a common denominator, or when two repeating cycles, such as schedules or gear teeth, "
        "line up again."_s,
        u"Sumvelle divides the product of the two magnitudes by their greatest common divisor, so the result is "
        "never negative, and returns 0 when either number is 0. Values with a fractional part, values beyond "
        "2^53 - 1 in size, and a result too large for a 64-bit integer are rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"BIN"_s, {u"BIN"_s, u"BINARY"_s, u"BASE 2"_s}, u"PROGRAMMER MATH"_s,
        u"Returns an integer written in binary (base 2)."_s, u"BIN(integer)"_s,
        u"integer: A whole number or expression, base literals such as 0xFF included, of magnitude at most "
        "9007199254740991 (2^53 - 1)."_s,
        u"BIN(10) -> 1010\nBIN(0xFF) -> 11111111\nBIN(-5) -> -101"_s,
        u"Use BIN to see the bit pattern of a number, for example to check flags, masks or the result of a "
        "bitwise function."_s,
        u"When BIN(...) is the whole line, Sumvelle evaluates the expression inside and shows that one answer in "
        "base 2, without a prefix and with a minus sign for a negative value; the next answer is shown in the "
        "output base again. Inside a larger expression BIN passes its value on unchanged. Values with a "
        "fractional part and values beyond 2^53 - 1 in size are rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"OCT"_s, {u"OCT"_s, u"OCTAL"_s, u"BASE 8"_s}, u"PROGRAMMER MATH"_s,
        u"Returns an integer written in octal (base 8)."_s, u"OCT(integer)"_s,
        u"integer: A whole number or expression, base literals such as 0b111 included, of magnitude at most "
        "9007199254740991 (2^53 - 1)."_s,
        u"OCT(8) -> 10\nOCT(64) -> 100\nOCT(0b111111) -> 77"_s,
        u"Use OCT for file permission modes and other values that are customarily written in base 8."_s,
        u"When OCT(...) is the whole line, Sumvelle evaluates the expression inside and shows that one answer in "
        "base 8, without a prefix and with a minus sign for a negative value; the next answer is shown in the "
        "output base again. Inside a larger expression OCT passes its value on unchanged. Values with a "
        "fractional part and values beyond 2^53 - 1 in size are rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"HEX"_s, {u"HEX"_s, u"HEXADECIMAL"_s, u"BASE 16"_s}, u"PROGRAMMER MATH"_s,
        u"Returns an integer written in hexadecimal (base 16)."_s, u"HEX(integer)"_s,
        u"integer: A whole number or expression, base literals such as 0b1010 included, of magnitude at most "
        "9007199254740991 (2^53 - 1)."_s,
        u"HEX(255) -> FF\nHEX(4096) -> 1000\nHEX(0b10101010) -> AA"_s,
        u"Use HEX for memory addresses, colour codes, byte values and other quantities usually written in base "
        "16."_s,
        u"When HEX(...) is the whole line, Sumvelle evaluates the expression inside and shows that one answer in "
        "base 16, with the digits 0 to 9 and A to F in upper case, without a prefix and with a minus sign for a "
        "negative value; the next answer is shown in the output base again. Inside a larger expression HEX "
        "passes its value on unchanged. Values with a fractional part and values beyond 2^53 - 1 in size are "
        "rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"DEC"_s, {u"DEC"_s, u"DECIMAL"_s, u"BASE 10"_s}, u"PROGRAMMER MATH"_s,
        u"Returns an integer written in decimal (base 10), whatever the output base."_s, u"DEC(integer)"_s,
        u"integer: A whole number or expression, base literals such as 0xFF included, of magnitude at most "
        "9007199254740991 (2^53 - 1)."_s,
        u"DEC(0xFF) -> 255\nDEC(0b1010) -> 10\nDEC(0o17) -> 15"_s,
        u"Use DEC to read a base literal as an ordinary number, or to see one answer in decimal while the output "
        "base is binary, octal or hexadecimal."_s,
        u"When DEC(...) is the whole line, Sumvelle evaluates the expression inside and shows that one answer in "
        "base 10 as plain digits, without the number format; the next answer is shown in the output base again. "
        "Inside a larger expression DEC passes its value on unchanged. Values with a fractional part and values "
        "beyond 2^53 - 1 in size are rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"AND"_s, {u"AND"_s, u"BITAND"_s, u"BITWISE AND"_s}, u"PROGRAMMER MATH"_s,
        u"Returns the bitwise AND of two integers: the bits that are set in both."_s, u"AND(integer1, integer2)"_s,
        u"integer1, integer2: Whole numbers, base literals included, of magnitude at most 9007199254740991 "
        "(2^53 - 1)."_s,
        u"AND(12, 10) -> 8\nAND(0xFF, 0x0F) -> 15\nBIN(AND(0b1100, 0b1010)) -> 1000"_s,
        u"Use AND to mask bits: to keep the bits that a mask selects and clear the others, or to test whether a "
        "flag is set."_s,
        u"Sumvelle compares the two numbers bit by bit in two's complement and keeps a bit only where both have "
        "it, so negative numbers are allowed: AND(-1, 255) gives 255. BITAND is another name for the same "
        "function. Values with a fractional part, values beyond 2^53 - 1 in size and calls with other than two "
        "arguments are rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"OR"_s, {u"OR"_s, u"BITOR"_s, u"BITWISE OR"_s}, u"PROGRAMMER MATH"_s,
        u"Returns the bitwise OR of two integers: the bits that are set in either."_s, u"OR(integer1, integer2)"_s,
        u"integer1, integer2: Whole numbers, base literals included, of magnitude at most 9007199254740991 "
        "(2^53 - 1)."_s,
        u"OR(12, 10) -> 14\nOR(0x0F, 0xF0) -> 255\nBIN(OR(0b1000, 0b0011)) -> 1011"_s,
        u"Use OR to combine flags, or to set the bits that a mask selects."_s,
        u"Sumvelle compares the two numbers bit by bit in two's complement and sets a bit where either has it, "
        "so negative numbers are allowed. BITOR is another name for the same function. Values with a fractional "
        "part, values beyond 2^53 - 1 in size and calls with other than two arguments are rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"XOR"_s, {u"XOR"_s, u"BITXOR"_s, u"EXCLUSIVE OR"_s, u"BITWISE XOR"_s}, u"PROGRAMMER MATH"_s,
        u"Returns the bitwise exclusive OR of two integers: the bits that are set in exactly one of them."_s,
        u"XOR(integer1, integer2)"_s,
        u"integer1, integer2: Whole numbers, base literals included, of magnitude at most 9007199254740991 "
        "(2^53 - 1)."_s,
        u"XOR(12, 10) -> 6\nXOR(255, 0x0F) -> 240\nXOR(XOR(5, 9), 9) -> 5"_s,
        u"Use XOR to toggle bits, to find the bits in which two values differ, or in simple checksums; applying "
        "the same XOR twice gives back the original value."_s,
        u"Sumvelle compares the two numbers bit by bit in two's complement and sets a bit where exactly one of "
        "them has it, so negative numbers are allowed. BITXOR is another name for the same function. Values "
        "with a fractional part, values beyond 2^53 - 1 in size and calls with other than two arguments are "
        "rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"NOT"_s, {u"NOT"_s, u"BITNOT"_s, u"BITWISE NOT"_s}, u"PROGRAMMER MATH"_s,
        u"Returns the bitwise complement of an integer, which equals minus the integer minus 1."_s, u"NOT(integer)"_s,
        u"integer: A whole number or expression, base literals included, of magnitude at most 9007199254740991 "
        "(2^53 - 1)."_s,
        u"NOT(0) -> -1\nNOT(5) -> -6\nNOT(-1) -> 0"_s,
        u"Use NOT to invert a mask, often together with AND to clear the bits a mask selects, as in AND(flags, "
        "NOT(mask))."_s,
        u"Sumvelle flips every bit of the number in two's complement, which for any integer n gives -n - 1, so "
        "zero and positive numbers give negative results. BITNOT is another name for the same function. Values "
        "with a fractional part and values beyond 2^53 - 1 in size are rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"SHL"_s, {u"SHL"_s, u"LSHIFT"_s, u"LEFT SHIFT"_s, u"SHIFT LEFT"_s}, u"PROGRAMMER MATH"_s,
        u"Returns an integer shifted left by a number of bits, that is multiplied by 2 to that power."_s,
        u"SHL(integer, shiftCount)"_s,
        u"integer: A whole number, base literals included, of magnitude at most 9007199254740991 (2^53 - 1).\n"
        "shiftCount: The number of bit positions to shift by, a whole number from 0 to 52."_s,
        u"SHL(1, 4) -> 16\nSHL(5, 2) -> 20\nBIN(SHL(0b101, 3)) -> 101000"_s,
        u"Use SHL to build bit masks, to move a field of bits into place, or to multiply by a power of two."_s,
        u"Sumvelle multiplies the number by 2 raised to the shift count, so negative numbers keep their sign. A "
        "shift count that is negative, fractional or above 52 is rejected, and so is a result beyond 2^53 - 1 "
        "in size. LSHIFT is another name for the same function."_s);

    AddStandardFunctionHelpEntry(
        entries, u"SHR"_s, {u"SHR"_s, u"RSHIFT"_s, u"RIGHT SHIFT"_s, u"SHIFT RIGHT"_s}, u"PROGRAMMER MATH"_s,
        u"Returns an integer shifted right by a number of bits, that is divided by 2 to that power and rounded "
        "down."_s,
        u"SHR(integer, shiftCount)"_s,
        u"integer: A whole number, base literals included, of magnitude at most 9007199254740991 (2^53 - 1).\n"
        "shiftCount: The number of bit positions to shift by, a whole number from 0 to 52."_s,
        u"SHR(256, 4) -> 16\nSHR(13, 1) -> 6\nSHR(-5, 1) -> -3"_s,
        u"Use SHR to extract a field of bits, to step through the bits of a value, or to divide by a power of "
        "two and drop the remainder."_s,
        u"Sumvelle divides the number by 2 raised to the shift count and rounds toward negative infinity, as an "
        "arithmetic shift does, so SHR(-5, 1) gives -3. A shift count that is negative, fractional or above 52 "
        "is rejected, as are values with a fractional part and values beyond 2^53 - 1 in size. RSHIFT is "
        "another name for the same function."_s);

    AddHelpEntry(entries, u"PROGRAMMER MATH"_s,
                 {u"PROGRAMMER MATH"_s, u"PROGRAMMER"_s, u"BASE LITERALS"_s, u"OUTPUT BASE"_s, u"BINARY"_s, u"OCTAL"_s,
                  u"HEXADECIMAL"_s, u"BITWISE"_s},
                 u"PROGRAMMER MATH"_s, u"Base literals, base conversions, the output base and the bitwise functions."_s,
                 u"PROGRAMMER MATH\n"
                 "\n"
                 "Sumvelle reads and shows whole numbers in\n"
                 "binary, octal, decimal and hexadecimal, and has\n"
                 "bitwise functions. All of these work on whole\n"
                 "numbers of magnitude at most 9007199254740991\n"
                 "(2^53 - 1), which are held exactly. A decimal\n"
                 "answer shows 15 significant digits, so one with\n"
                 "more digits is rounded for display; in another\n"
                 "base every digit is shown.\n"
                 "  9007199254740991  -> 9.00719925474099e+15\n"
                 "  HEX(9007199254740991)  -> 1FFFFFFFFFFFFF\n"
                 "\n"
                 "Base literals can stand wherever a number can:\n"
                 "  0b1010  binary (base 2)\n"
                 "  0o17    octal (base 8)\n"
                 "  0xFF    hexadecimal (base 16, A-F or a-f)\n"
                 "\n"
                 "  0xFF + 1        -> 256\n"
                 "  0b1010 * 2      -> 20\n"
                 "\n"
                 "A digit that the base does not have, as in\n"
                 "0b102, makes the line answer -Cannot Solve-.\n"
                 "\n"
                 "A line that is a single BIN(...), OCT(...),\n"
                 "HEX(...) or DEC(...) call shows its one answer\n"
                 "in that base: upper-case digits, no prefix, and\n"
                 "a minus sign for a negative value. Inside a\n"
                 "larger expression these functions pass their\n"
                 "value on unchanged.\n"
                 "  HEX(255)        -> FF\n"
                 "  BIN(10)         -> 1010\n"
                 "  DEC(0x1F)       -> 31\n"
                 "\n"
                 "Bitwise functions work bit by bit in two's\n"
                 "complement, so negative numbers are allowed.\n"
                 "BITAND, BITOR, BITXOR, BITNOT, LSHIFT and\n"
                 "RSHIFT are other names for AND, OR, XOR, NOT,\n"
                 "SHL and SHR. Shift counts run from 0 to 52.\n"
                 "  AND(12, 10)     -> 8\n"
                 "  OR(12, 10)      -> 14\n"
                 "  XOR(12, 10)     -> 6\n"
                 "  NOT(5)          -> -6\n"
                 "  SHL(1, 4)       -> 16\n"
                 "  SHR(256, 4)     -> 16\n"
                 "\n"
                 "The output base shows every answer that is a\n"
                 "whole number in the range in the chosen base;\n"
                 "other answers stay decimal. Choose it under\n"
                 "File > Output Base, or type MENU OUTPUT BASE\n"
                 "followed by DEC, BIN, OCT or HEX (or DECIMAL,\n"
                 "BINARY, OCTAL, HEXADECIMAL). MENU OUTPUT BASE\n"
                 "alone shows the current base.\n"
                 "  MENU OUTPUT BASE HEX\n"
                 "    -> Output Base = Hexadecimal\n"
                 "  200 + 55  -> FF\n"
                 "  2.5 * 3   -> 7.5\n"
                 "  MENU OUTPUT BASE DEC\n"
                 "    -> Output Base = Decimal\n"
                 "\n"
                 "A fractional value, or one beyond 2^53 - 1 in\n"
                 "size, given to any of the functions above makes\n"
                 "the line answer -Cannot Solve-.\n"
                 "\n"
                 "See also: HELP BIN, HELP HEX, HELP DEC,\n"
                 "HELP AND, HELP SHL"_s);

    AddStandardFunctionHelpEntry(
        entries, u"MIN"_s, {u"MINIMUM"_s, u"LOWEST"_s}, u"STATISTICS"_s, u"Returns the smallest of a list of values."_s,
        u"MIN(value1, value2, ...)"_s,
        u"value1, value2, ...: One or more real numbers or expressions, separated by commas."_s,
        u"MIN(3, 7, 1) -> 1\nMIN(-2, 5, 0) -> -2\nMIN(4.5) -> 4.5"_s,
        u"Use MIN to find the lowest price, reading, score or time in a set of values, or to cap a result, as in "
        "MIN(ANS, 100)."_s,
        u"Sumvelle evaluates every argument and returns the smallest. At least one value is needed: an empty "
        "list, or an argument that cannot be evaluated, is rejected. A line holding only the word MIN is the "
        "window command that minimises Sumvelle, not this function."_s);

    AddStandardFunctionHelpEntry(
        entries, u"MAX"_s, {u"MAXIMUM"_s, u"HIGHEST"_s}, u"STATISTICS"_s, u"Returns the largest of a list of values."_s,
        u"MAX(value1, value2, ...)"_s,
        u"value1, value2, ...: One or more real numbers or expressions, separated by commas."_s,
        u"MAX(3, 7, 1) -> 7\nMAX(-2, -5) -> -2\nMAX(0.1, 0.25) -> 0.25"_s,
        u"Use MAX to find the highest price, reading, score or time in a set of values, or to set a floor under "
        "a result, as in MAX(ANS, 0)."_s,
        u"Sumvelle evaluates every argument and returns the largest. At least one value is needed: an empty "
        "list, or an argument that cannot be evaluated, is rejected. A line holding only the word MAX is the "
        "window command that maximises Sumvelle, not this function."_s);

    AddStandardFunctionHelpEntry(
        entries, u"SUM"_s, {u"SUM"_s, u"TOTAL"_s}, u"STATISTICS"_s, u"Returns the total of a list of values."_s,
        u"SUM(value1, value2, ...)"_s,
        u"value1, value2, ...: One or more real numbers or expressions, separated by commas."_s,
        u"SUM(1, 2, 3, 4) -> 10\nSUM(2.5, 7.5, 10) -> 20\nSUM(10, -4) -> 6"_s,
        u"Use SUM to add up a list of amounts, such as the items of a bill, a set of measurements or scores."_s,
        u"Sumvelle adds the values in the order given. At least one value is needed: an empty list, an argument "
        "that cannot be evaluated and a total too large for a number are rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"AVG"_s, {u"AVG"_s, u"AVERAGE"_s, u"ARITHMETIC MEAN"_s}, u"STATISTICS"_s,
        u"Returns the arithmetic mean of a list of values."_s, u"AVG(value1, value2, ...)"_s,
        u"value1, value2, ...: One or more real numbers or expressions, separated by commas."_s,
        u"AVG(2, 4, 9) -> 5\nAVG(1, 2, 3, 4) -> 2.5\nAVG(10) -> 10"_s,
        u"Use AVG for the ordinary average of scores, prices, measurements or times."_s,
        u"Sumvelle adds the values and divides by their count, keeping a running mean so that very large values "
        "do not overflow on the way. At least one value is needed: an empty list, or an argument that cannot be "
        "evaluated, is rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"MEDIAN"_s, {u"MEDIAN"_s}, u"STATISTICS"_s,
        u"Returns the middle value of a list once it is sorted."_s, u"MEDIAN(value1, value2, ...)"_s,
        u"value1, value2, ...: One or more real numbers or expressions, in any order."_s,
        u"MEDIAN(3, 1, 4, 1, 5) -> 3\nMEDIAN(1, 2, 3, 4) -> 2.5\nMEDIAN(7, 100, 2) -> 7"_s,
        u"Use MEDIAN for a typical value that a few extreme values cannot pull away, such as a typical house "
        "price, salary or response time."_s,
        u"Sumvelle sorts the values; for an odd count it returns the middle one, for an even count the average "
        "of the two middle ones. At least one value is needed: an empty list, or an argument that cannot be "
        "evaluated, is rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"MODE"_s, {u"MODE"_s}, u"STATISTICS"_s, u"Returns the value that occurs most often in a list."_s,
        u"MODE(value1, value2, ...)"_s,
        u"value1, value2, ...: Two or more real numbers or expressions, at least one of which occurs more than "
        "once."_s,
        u"MODE(1, 2, 2, 3) -> 2\nMODE(7, 7, 4, 4, 9) -> 4\nMODE(5, 3, 5, 3, 5) -> 5"_s,
        u"Use MODE to find the most common value of a set, such as the most frequent size, rating or "
        "reading."_s,
        u"Sumvelle counts how often each value occurs, comparing values exactly. When several values occur "
        "equally often, the smallest of them is returned. A list in which no value occurs more than once is "
        "rejected, as are an empty list and an argument that cannot be evaluated."_s);

    AddStandardFunctionHelpEntry(
        entries, u"COUNT"_s, {u"COUNT"_s}, u"STATISTICS"_s, u"Returns how many values a list holds."_s,
        u"COUNT(value1, value2, ...)"_s,
        u"value1, value2, ...: One or more real numbers or expressions, separated by commas."_s,
        u"COUNT(4, 8, 15, 16) -> 4\nCOUNT(5) -> 1\nCOUNT(1, 1, 1) -> 3"_s,
        u"Use COUNT to check how many items a list holds, for example before working out an average or a "
        "total by hand."_s,
        u"Sumvelle counts the arguments, whatever their values, repeated values included. At least one value "
        "is needed: an empty list, or an argument that cannot be evaluated, is rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"RANGE"_s, {u"RANGE"_s, u"STATISTICAL RANGE"_s}, u"STATISTICS"_s,
        u"Returns the difference between the largest and the smallest value of a list."_s,
        u"RANGE(value1, value2, ...)"_s,
        u"value1, value2, ...: One or more real numbers or expressions, in any order."_s,
        u"RANGE(3, 9, 4) -> 6\nRANGE(-5, 5) -> 10\nRANGE(7) -> 0"_s,
        u"Use RANGE for a quick measure of spread, such as the span of daily temperatures or of prices."_s,
        u"Sumvelle subtracts the smallest value from the largest, so the result is never negative and a single "
        "value gives 0. At least one value is needed: an empty list, an argument that cannot be evaluated and a "
        "difference too large for a number are rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"STDEV"_s, {u"STDEV"_s, u"STANDARD DEVIATION"_s, u"SAMPLE STANDARD DEVIATION"_s}, u"STATISTICS"_s,
        u"Returns the sample standard deviation of a list of values."_s, u"STDEV(value1, value2, ...)"_s,
        u"value1, value2, ...: Two or more real numbers or expressions, a sample taken from a larger "
        "population."_s,
        u"STDEV(2,4,4,4,5,5,7,9) -> 2.1380899352994\nSTDEV(1, 2, 3, 4, 5) -> 1.58113883008419\n"
        "STDEV(5, 5, 5) -> 0"_s,
        u"Use STDEV to measure how widely a sample of measurements spreads around its mean, for example in "
        "quality control, experiments or surveys."_s,
        u"Sumvelle computes the mean, sums the squared deviations from it, divides by the count minus one and "
        "takes the square root. Fewer than two values are rejected, as is an argument that cannot be evaluated. "
        "Use STDEVP when the list is the whole population."_s);

    AddStandardFunctionHelpEntry(
        entries, u"STDEVP"_s, {u"STDEVP"_s, u"POPULATION STANDARD DEVIATION"_s}, u"STATISTICS"_s,
        u"Returns the population standard deviation of a list of values."_s, u"STDEVP(value1, value2, ...)"_s,
        u"value1, value2, ...: One or more real numbers or expressions, the whole population."_s,
        u"STDEVP(2, 4, 4, 4, 5, 5, 7, 9) -> 2\nSTDEVP(1, 2, 3, 4, 5) -> 1.4142135623731\nSTDEVP(8) -> 0"_s,
        u"Use STDEVP when the values are the complete set you want to describe, such as every item of a batch "
        "or every score of a class."_s,
        u"Sumvelle computes the mean, sums the squared deviations from it, divides by the count and takes the "
        "square root. A single value gives 0. An empty list, or an argument that cannot be evaluated, is "
        "rejected. Use STDEV for a sample of a larger population."_s);

    AddStandardFunctionHelpEntry(
        entries, u"VARIANCE"_s, {u"VARIANCE"_s, u"SAMPLE VARIANCE"_s}, u"STATISTICS"_s,
        u"Returns the sample variance of a list of values."_s, u"VARIANCE(value1, value2, ...)"_s,
        u"value1, value2, ...: Two or more real numbers or expressions, a sample taken from a larger "
        "population."_s,
        u"VARIANCE(1, 2, 3, 4, 5) -> 2.5\nVARIANCE(2,4,4,4,5,5,7,9) -> 4.57142857142857\n"
        "VARIANCE(10, 10) -> 0"_s,
        u"Use VARIANCE to measure the spread of a sample in squared units, as needed by many statistical "
        "formulas and tests."_s,
        u"Sumvelle computes the mean, sums the squared deviations from it and divides by the count minus one; "
        "the result is the square of STDEV. Fewer than two values are rejected, as is an argument that cannot "
        "be evaluated. Use VARIANCEP when the list is the whole population."_s);

    AddStandardFunctionHelpEntry(
        entries, u"VARIANCEP"_s, {u"VARIANCEP"_s, u"POPULATION VARIANCE"_s}, u"STATISTICS"_s,
        u"Returns the population variance of a list of values."_s, u"VARIANCEP(value1, value2, ...)"_s,
        u"value1, value2, ...: One or more real numbers or expressions, the whole population."_s,
        u"VARIANCEP(1, 2, 3, 4, 5) -> 2\nVARIANCEP(2, 4, 4, 4, 5, 5, 7, 9) -> 4\nVARIANCEP(3) -> 0"_s,
        u"Use VARIANCEP to measure the spread of a complete set of values in squared units."_s,
        u"Sumvelle computes the mean, sums the squared deviations from it and divides by the count; the result "
        "is the square of STDEVP, and a single value gives 0. An empty list, or an argument that cannot be "
        "evaluated, is rejected. Use VARIANCE for a sample of a larger population."_s);

    AddStandardFunctionHelpEntry(
        entries, u"GEOMEAN"_s, {u"GEOMEAN"_s, u"GEOMETRIC MEAN"_s}, u"STATISTICS"_s,
        u"Returns the geometric mean of a list of positive values."_s, u"GEOMEAN(value1, value2, ...)"_s,
        u"value1, value2, ...: One or more numbers or expressions greater than zero."_s,
        u"GEOMEAN(2, 8) -> 4\nGEOMEAN(1, 3, 9) -> 3\nGEOMEAN(4, 4, 4) -> 4"_s,
        u"Use GEOMEAN to average growth factors, ratios or rates of return, where values multiply rather than "
        "add; for example GEOMEAN(1.1, 0.9) is the average yearly factor of a 10% gain followed by a 10% "
        "loss."_s,
        u"Sumvelle multiplies the values together, by way of the sum of their logarithms, and takes the root "
        "whose degree is the count. Zero and negative values are rejected, as are an empty list and an argument "
        "that cannot be evaluated."_s);

    AddStandardFunctionHelpEntry(
        entries, u"HARMEAN"_s, {u"HARMEAN"_s, u"HARMONIC MEAN"_s}, u"STATISTICS"_s,
        u"Returns the harmonic mean of a list of positive values."_s, u"HARMEAN(value1, value2, ...)"_s,
        u"value1, value2, ...: One or more numbers or expressions greater than zero."_s,
        u"HARMEAN(1, 4, 4) -> 2\nHARMEAN(2, 6) -> 3\nHARMEAN(40, 60) -> 48"_s,
        u"Use HARMEAN to average rates over equal amounts, such as the average speed over two equal distances "
        "driven at different speeds, or the average price paid when equal sums are spent."_s,
        u"Sumvelle divides the count by the sum of the reciprocals of the values. Zero and negative values are "
        "rejected, as are an empty list and an argument that cannot be evaluated."_s);

    AddStandardFunctionHelpEntry(
        entries, u"RMS"_s, {u"RMS"_s, u"ROOT MEAN SQUARE"_s}, u"STATISTICS"_s,
        u"Returns the root mean square of a list of values."_s, u"RMS(value1, value2, ...)"_s,
        u"value1, value2, ...: One or more real numbers or expressions, negative values included."_s,
        u"RMS(1, 7) -> 5\nRMS(3, 4) -> 3.53553390593274\nRMS(-2, 2) -> 2"_s,
        u"Use RMS for the effective size of values that change sign, such as alternating voltages and currents, "
        "or for the typical size of a set of errors."_s,
        u"Sumvelle squares the values, averages the squares and takes the square root, so the result is never "
        "negative. At least one value is needed: an empty list, or an argument that cannot be evaluated, is "
        "rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"SUMSQ"_s, {u"SUMSQ"_s, u"SUM OF SQUARES"_s}, u"STATISTICS"_s,
        u"Returns the sum of the squares of a list of values."_s, u"SUMSQ(value1, value2, ...)"_s,
        u"value1, value2, ...: One or more real numbers or expressions, negative values included."_s,
        u"SUMSQ(1, 2, 3) -> 14\nSUMSQ(3, 4) -> 25\nSUMSQ(-2, 2) -> 8"_s,
        u"Use SUMSQ in variance, regression and distance calculations, such as the squared length of a vector; "
        "SQRT(SUMSQ(3, 4)) is the length of the vector (3, 4)."_s,
        u"Sumvelle squares each value and adds the squares. At least one value is needed: an empty list, an "
        "argument that cannot be evaluated and a sum too large for a number are rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"PERCENTILE"_s, {u"PERCENTILE"_s}, u"STATISTICS"_s,
        u"Returns the value below which a given percentage of a list falls, interpolating between values."_s,
        u"PERCENTILE(percentile, value1, value2, ...)"_s,
        u"percentile: The percentage, from 0 to 100; 50 gives the median.\nvalue1, value2, ...: One or more "
        "real numbers or expressions, in any order."_s,
        u"PERCENTILE(50, 1, 2, 3, 4, 5) -> 3\nPERCENTILE(90, 1, 2, 3, 4, 5) -> 4.6\n"
        "PERCENTILE(25, 10, 20, 30, 40) -> 17.5"_s,
        u"Use PERCENTILE to find thresholds and cut-offs, such as the score that 90 percent of results stay "
        "below, or the 95th percentile of response times."_s,
        u"Sumvelle sorts the values and finds the position percentile / 100 * (count - 1), counting from 0 at "
        "the smallest value, then interpolates linearly between the two values around it; 0 gives the smallest "
        "value and 100 the largest. The percentile is written in percent, not as a fraction. A percentile "
        "below 0 or above 100, and a call without values after the percentile, are rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"QUARTILE"_s, {u"QUARTILE"_s}, u"STATISTICS"_s,
        u"Returns the minimum, a quartile, the median or the maximum of a list of values."_s,
        u"QUARTILE(number, value1, value2, ...)"_s,
        u"number: Which quartile: 0 (minimum), 1 (first quartile), 2 (median), 3 (third quartile) or 4 "
        "(maximum).\nvalue1, value2, ...: One or more real numbers or expressions, in any order."_s,
        u"QUARTILE(1, 1, 2, 3, 4, 5) -> 2\nQUARTILE(2, 1, 2, 3, 4, 5) -> 3\n"
        "QUARTILE(3, 1, 2, 3, 4, 5, 6, 7, 8) -> 6.25"_s,
        u"Use QUARTILE to split a set of values into four equal parts, for example to find the interquartile "
        "range or to build a box plot."_s,
        u"Sumvelle returns the percentile number * 25 of the values, interpolated as PERCENTILE does. A number "
        "other than the whole numbers 0 to 4, and a call without values after the number, are rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"SKEW"_s, {u"SKEW"_s, u"SKEWNESS"_s}, u"STATISTICS"_s,
        u"Returns the sample skewness of a list of values, a measure of how lopsided it is."_s,
        u"SKEW(value1, value2, ...)"_s,
        u"value1, value2, ...: Three or more real numbers or expressions that are not all equal."_s,
        u"SKEW(1, 2, 3) -> 0\nSKEW(1, 2, 3, 10) -> 1.76363261480389\nSKEW(1, 8, 9, 10) -> -1.76363261480389"_s,
        u"Use SKEW to see whether a distribution has a longer tail to the right (a positive result) or to the "
        "left (a negative result), for example in incomes or waiting times."_s,
        u"Sumvelle standardises each value with the mean and the sample standard deviation, sums the cubes and "
        "multiplies the sum by n / ((n - 1)(n - 2)), where n is the count; a symmetric list gives 0. Fewer than "
        "three values, and values that are all equal, are rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"KURTOSIS"_s, {u"KURTOSIS"_s}, u"STATISTICS"_s,
        u"Returns the sample excess kurtosis of a list of values, a measure of how heavy its tails are."_s,
        u"KURTOSIS(value1, value2, ...)"_s,
        u"value1, value2, ...: Four or more real numbers or expressions that are not all equal."_s,
        u"KURTOSIS(1, 2, 3, 4) -> -1.2\nKURTOSIS(1, 2, 2, 3, 10) -> 4.27214653174289"_s,
        u"Use KURTOSIS to see whether a distribution produces extreme values more often (a positive result) or "
        "less often (a negative result) than a normal distribution."_s,
        u"Sumvelle sums the fourth powers of the values standardised with the mean and the sample standard "
        "deviation, multiplies the sum by n(n + 1) / ((n - 1)(n - 2)(n - 3)) and subtracts 3(n - 1)^2 / ((n - "
        "2)(n - 3)), where n is the count, so a normal distribution gives about 0. Fewer than four values, and "
        "values that are all equal, are rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"RANDOM"_s, {u"RANDOM"_s, u"RANDOM NUMBER"_s}, u"STATISTICS"_s,
        u"Returns a random number from 0 up to but not including 1."_s, u"RANDOM()"_s, u"No arguments."_s,
        u"RANDOM()\nRANDOM() * 100\nFLOOR(RANDOM() * 6) + 1"_s,
        u"Use RANDOM for simulations, sampling, games and test data; scale it to any interval, as in 5 + "
        "RANDOM() * 10 for a number from 5 up to 15."_s,
        u"Sumvelle draws a fresh, evenly spread value each time the line is evaluated, from the system's random "
        "generator, using the 53 bits of precision a number holds. The parentheses are required, and a call "
        "with any argument inside them is rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"RANDINT"_s, {u"RANDINT"_s, u"RANDOM INTEGER"_s}, u"STATISTICS"_s,
        u"Returns a random whole number from a minimum to a maximum, both included."_s, u"RANDINT(minimum, maximum)"_s,
        u"minimum: The smallest whole number that may be returned.\nmaximum: The largest whole number that may "
        "be returned; it must not be less than minimum."_s,
        u"RANDINT(1, 6)\nRANDINT(1, 100)\nRANDINT(5, 5) -> 5"_s,
        u"Use RANDINT to roll dice, draw lots, pick a random item by its number or make whole-number test "
        "data."_s,
        u"Sumvelle picks each whole number from minimum to maximum with equal chance, afresh each time the line "
        "is evaluated; equal bounds return that number. Bounds with a fractional part, a minimum greater than "
        "the maximum, bounds beyond 2^53 in size and calls with other than two arguments are rejected."_s);

    AddStandardFunctionHelpEntry(
        entries, u"FRACTION"_s, {u"FRACTION"_s, u"FRACTIONS"_s, u"DECIMAL TO FRACTION"_s, u"RATIONAL"_s},
        u"FUNCTIONS"_s,
        u"Returns a value written as a fraction of two whole numbers, followed by a table of close simpler "
        "fractions."_s,
        u"FRACTION(value)"_s, u"value: Any real number or expression with a finite value."_s,
        u"FRACTION(0.75)\nFRACTION(1/3)\nFRACTION(PI)"_s,
        u"Use FRACTION to turn a decimal result into a fraction, such as a measurement in inches, a ratio or a "
        "probability, or to find a simple fraction that comes close to a value such as PI."_s,
        u"FRACTION must be the whole line. Sumvelle takes the fraction with the smallest denominator below one "
        "million that matches the value to about 14 significant digits, or else the exact fraction of the "
        "value's 15-digit decimal, in lowest terms: FRACTION(0.75) answers 3/4, FRACTION(1/3) answers 1/3 and "
        "FRACTION(PI) answers 314159265358979/100000000000000. Under the heading Approximate Values follows, "
        "for denominators of one digit, two digits and so on up to the length of that fraction's denominator "
        "(at most six digits), the closest fraction with its decimal value and its error; a row whose fraction "
        "reduces to a shorter denominator is left out. ANS takes the value itself. A value that cannot be evaluated, and a value too large or too small to be written with "
        "64-bit whole numbers, such as 1E20 or 1E-20, are rejected."_s);
}
