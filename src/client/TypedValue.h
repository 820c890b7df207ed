#pragma once

#include <QCoreApplication>
#include <QString>

// A value typed for a client option, read the way people type it: blanks around it and around its
// separators do not count, full-width digits, colons and dots (a Chinese input method's) are their
// ASCII ones, and a size's two numbers may be parted by "x", "X", "×" or "*". What is read is
// written as the client takes it ("1920：1080：0：0" becomes "1920:1080:0:0"); what cannot be read
// is refused naming the character or the limit at fault.
namespace TypedValue {

enum class Shape {
    Whole, // a whole number between the limits
    Decimal, // a number between the limits, a fraction allowed
    Size, // "<width>x<height>", each side between the limits
    Crop, // "<width>:<height>:<x>:<y>", each up to the upper limit, the size at least 1 by 1
    Package, // an Android package name
};

struct Rule
{
    Shape shape;
    double least = 0;
    double most = 0;
};

struct Reading
{
    QString value; // as the client is given it; empty when refused
    QString fault; // what is wrong, naming the character or the limit; empty when read
};

Reading read(const Rule& rule, const QString& typed);
// What the value should be, for the message that refuses it: "1 到 240 之间的整数".
QString described(const Rule& rule);
// What the empty field shows: "1–240，可不填".
QString placeholder(const Rule& rule);

} // namespace TypedValue
