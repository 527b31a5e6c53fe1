#pragma once

#include "tround.h"

#include <algorithm>
#include <iterator>

namespace PosLib::Demo {

// The restaurant of the demo: terminals, cost centers and their areas,
// waiters, families, articles, payment forms, currencies and VAT rates;
// one table of data that the plan, the tables and the lists share.

struct Named
{
    int id;
    const char *name;
};

inline const Named Terminals[] = {
        {1, "Bar"}, {2, "Restaurant"}, {3, "Terrace"}, {4, "Handheld 1"}, {5, "Takeaway counter"}};
inline const Named Centers[] = {{1, "Restaurant"}, {2, "Terrace"}, {3, "Bar"}, {4, "Takeaway"}};
inline constexpr int Handheld = 4;

enum Area { Restaurant, Terrace, Bar, Takeaway };

struct AreaInfo
{
    int center;
    int terminal;
    int minTable;
    int maxTable;
    int waiters[3];
    int waiterCount;
};

inline const AreaInfo Areas[] = {
        {1, 2, 1, 30, {2, 4, 1}, 3},
        {2, 3, 31, 60, {3, 6, 0}, 2},
        {3, 1, 61, 80, {5, 7, 0}, 2},
        {4, 5, 90, 99, {7, 1, 0}, 2},
};

struct Waiter
{
    int id;
    const char *name;
    const char *teams;
    bool allTables;
    int minTable;
    int maxTable;
    bool trainee;
    bool reports;
};

inline const Waiter Waiters[] = {
        {1, "Anna", "1;2;3", true, 1, 99, false, true},
        {2, "Bruno", "1", false, 1, 30, false, false},
        {3, "Clara", "2", false, 31, 60, false, false},
        {4, "Dario", "1", false, 1, 30, true, false},
        {5, "Elena", "3", false, 61, 80, false, false},
        {6, "Franco", "2", false, 31, 60, false, false},
        {7, "Giulia", "3", false, 61, 99, false, false},
        {8, "Hugo", "1;2;3", true, 1, 99, false, true},
};
inline constexpr int HeadWaiter = 1;
inline constexpr int TraineeWaiter = 4;
inline constexpr int Manager = 8;

inline const Waiter &waiterById(int id)
{
    return Waiters[std::clamp(id, 1, int(std::size(Waiters))) - 1];
}

struct Family
{
    int id;
    const char *name;
    int group;
};

inline const Named FamGroups[] = {{1, "Food"}, {2, "Drinks"}, {3, "Miscellaneous"}};
inline const Family Families[] = {
        {1, "Starters", 1},   {2, "Pizza", 1},       {3, "Pasta", 1},  {4, "Mains", 1},
        {5, "Desserts", 1},   {6, "Soft drinks", 2}, {7, "Beer", 2},   {8, "Wine", 2},
        {9, "Hot drinks", 2}, {10, "Extras", 1},     {11, "Menus", 1}, {12, "Vouchers", 3},
        {13, "Service", 3},
};

inline const Family &familyById(int id)
{
    return Families[std::clamp(id, 1, int(std::size(Families))) - 1];
}

struct Article
{
    int plu;
    const char *name;
    const char *shortName;
    int price;
    int family;
};

inline const Article Articles[] = {
        {101, "Bruschetta", "Bruschetta", 650, 1},
        {102, "Insalata mista", "Insalata", 750, 1},
        {103, "Minestrone", "Minestrone", 690, 1},
        {201, "Pizza Margherita", "Margherita", 950, 2},
        {202, "Pizza Diavola", "Diavola", 1150, 2},
        {203, "Pizza Quattro\nStagioni", "4 Stagioni", 1250, 2},
        {301, "Spaghetti Carbonara", "Carbonara", 1190, 3},
        {302, "Penne Arrabbiata", "Arrabbiata", 1050, 3},
        {401, "Saltimbocca", "Saltimbocca", 1890, 4},
        {402, "Branzino", "Branzino", 2250, 4},
        {403, "Bistecca", "Bistecca", 2890, 4},
        {501, "Tiramisu", "Tiramisu", 650, 5},
        {502, "Panna cotta", "Panna cotta", 590, 5},
        {503, "Gelato", "Gelato", 450, 5},
        {601, "Mineral water 0.5l", "Water", 390, 6},
        {602, "Cola 0.33l", "Cola", 350, 6},
        {603, "Aranciata 0.33l", "Aranciata", 350, 6},
        {701, "Draught beer 0.4l", "Beer", 450, 7},
        {702, "Wheat beer 0.5l", "Wheat beer", 520, 7},
        {801, "Chianti 0.2l", "Chianti", 690, 8},
        {802, "House wine 1l", "House wine", 2190, 8}, // sold by the quarter litre
        {803, "Prosecco 0.1l", "Prosecco", 550, 8},
        {901, "Espresso", "Espresso", 240, 9},
        {902, "Cappuccino", "Cappuccino", 320, 9},
        {1001, "Extra cheese", "Cheese", 150, 10},
        {1002, "Truffle oil", "Truffle", 300, 10},
        {1101, "Lunch menu", "Menu", 1590, 11},
        {1201, "Voucher 25.00", "Voucher", 2500, 12},
        {1301, "Course call", "Call", 0, 13},
};

inline const Article &articleByPlu(int plu)
{
    for (const Article &a : Articles) {
        if (a.plu == plu)
            return a;
    }
    return Articles[0];
}

inline const int Starters[] = {101, 102, 103};
inline const int MainDishes[] = {201, 202, 203, 301, 302, 401, 402, 403, 201, 301};
inline const int Pizzas[] = {201, 202, 203};
inline const int Desserts[] = {501, 502, 503};
inline const int TableDrinks[] = {601, 601, 602, 603, 701, 702, 801, 803};
inline const int BarDrinks[] = {701, 701, 702, 801, 803, 602, 901};
inline const int TakeawayDrinks[] = {601, 602, 603};
inline const int Coffees[] = {901, 901, 902};
// the courses of the lunch menu and the part of its price each carries
inline const int MenuCourses[][2] = {{103, 490}, {302, 800}, {901, 300}};

struct Payform
{
    int id;
    const char *name;
    bool cash; // counts in the cash summary
};

inline const Payform Payforms[]
        = {{1, "Cash", true},          {2, "EC card", false},    {3, "Visa", false},
           {4, "Mastercard", false},   {5, "Hotel room", false}, {6, "Voucher", false},
           {7, "Staff account", false}};
enum { PayCash = 1, PayEc, PayVisa, PayMaster, PayHotel, PayVoucher, PayStaff };

struct Currency
{
    int id;
    const char *name;
    const char *shortName;
    double rate; // units per euro
    const char *decChar;
    const char *thsChar;
};

inline const Currency Currencies[] = {{1, "Euro", "EUR", 1.0, ",", "."},
                                      {2, "Swiss franc", "CHF", 0.94, ".", "'"},
                                      {3, "US dollar", "USD", 1.08, ".", ","}};

// VAT: food 19 % in house and 7 % to take away, drinks 19 % always,
// vouchers and service lines none. Rates in hundredths of a percent; the
// rate numbers are those of "vatrates.dat" and the tax ids of "taxih" and
// "taxoh".
inline const char *const TaxDefinitions = "1,VAT 19%,1900:2,VAT 7%,700:3,No VAT,0";

inline int rateInHouse(int family)
{
    return familyById(family).group == 3 ? 0 : 1900;
}

inline int rateTakeaway(int family)
{
    const int group = familyById(family).group;
    return group == 3 ? 0 : group == 1 ? 700 : 1900;
}

inline int rateNumber(int rate)
{
    return rate == 1900 ? 1 : rate == 700 ? 2 : 3;
}

// The VAT inside a gross unit price: 950 at 19 % holds 152.
inline qint64 vatPart(qint64 gross, int rate)
{
    return roundHalfUp(double(gross) * rate / (10000.0 + rate));
}

} // namespace PosLib::Demo
