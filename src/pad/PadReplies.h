#pragma once

#include <QTextCharFormat>

// The character format of a reply: bold for answers, normal for the rest.
QTextCharFormat WeightFormat(int weight);
