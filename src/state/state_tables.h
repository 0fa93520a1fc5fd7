#pragma once
// The built-in state figures, typed once, one block per state. The set procedures of the state
// window write some of them into its boxes; the computations read the others directly.
// Amounts are bi-weekly dollars unless a column says weekly.

#include <array>

namespace orvane::state_tables {

// One row of a bracket table as the state window shows it.
struct BracketRow {
    float min, amt, per;
};

// ---- New York: the default generic table and allowance columns ----
namespace NewYork {
inline constexpr std::array<BracketRow, 10> Table{{
    {0, 0, 0.04f},
    {308, 12.31f, 0.045f},
    {423, 17.5f, 0.0525f},
    {500, 21.54f, 0.059f},
    {769, 37.42f, 0.0685f},
    {3462, 221.85f, 0.0764f},
    {3846, 251.23f, 0.0814f},
    {5769, 407.85f, 0.0735f},
    {999999, 0, 0},
    {999999, 0, 0},
}};
inline constexpr std::array<float, 10> SingleAllowance{268.3f, 306.8f, 345.3f, 383.8f, 422.3f,
                                                       460.8f, 499.3f, 537.8f, 576.3f, 614.8f};
inline constexpr std::array<float, 10> MarriedAllowance{287.5f, 326, 364.5f, 403, 441.5f,
                                                        480, 518.5f, 557, 595.5f, 634};
}  // namespace NewYork

// A graduated schedule computed in code: the first bracket runs from minus infinity to upTo[0];
// each later one from upTo[i-1] (exclusive) to upTo[i] (inclusive), the last one without end.
template <size_t N>
struct Schedule {
    std::array<float, N> over;  // lower bound of each bracket (unused for the first)
    std::array<double, N> rate;
    std::array<float, N> base;  // tax at the lower bound: running sums of width x rate
};

// ---- Iowa ----
namespace Iowa {
inline constexpr Schedule<9> BiWeekly{{0, 50, 100, 200, 450, 750, 1000, 1500, 2250},
                                      {0.0036, 0.0072, 0.0243, 0.045, 0.0612, 0.0648, 0.068, 0.0792, 0.0898},
                                      {0, 0.18f, 0.54f, 2.97f, 14.22f, 32.58f, 48.78f, 82.78f, 142.18f}};
inline constexpr Schedule<9> Weekly{{0, 25, 50, 100, 225, 375, 500, 750, 1125},
                                    {0.0036, 0.0072, 0.0243, 0.045, 0.0612, 0.0648, 0.068, 0.0792, 0.0898},
                                    {0, 0.09f, 0.27f, 1.485f, 7.11f, 16.29f, 24.39f, 41.39f, 71.09f}};
// The allowance columns IowaSet writes: standard deduction and credit for 0..9 exemptions.
inline constexpr std::array<float, 10> StandardBiWeekly{63.46f, 63.46f, 156.15f, 156.15f, 156.15f,
                                                        156.15f, 156.15f, 156.15f, 156.15f, 156.15f};
inline constexpr std::array<float, 10> CreditBiWeekly{0, 1.54f, 3.08f, 4.62f, 6.16f, 7.7f, 9.24f, 10.78f, 12.32f, 13.86f};
inline constexpr std::array<float, 10> StandardWeekly{31.73f, 31.73f, 78.08f, 78.08f, 78.08f,
                                                      78.08f, 78.08f, 78.08f, 78.08f, 78.08f};
inline constexpr std::array<float, 10> CreditWeekly{0, 0.77f, 1.54f, 2.31f, 3.08f, 3.85f, 4.62f, 5.39f, 6.16f, 6.93f};
}  // namespace Iowa

// ---- Missouri ----
namespace Missouri {
inline constexpr Schedule<10> BiWeekly{
    {0, 38.5f, 77, 115.5f, 154, 192.5f, 231, 269.5f, 308, 346.5f},
    {0.015, 0.02, 0.025, 0.03, 0.035, 0.04, 0.045, 0.05, 0.055, 0.06},
    {0, 0.5775f, 1.3475f, 2.31f, 3.465f, 4.8125f, 6.3525f, 8.085f, 10.01f, 12.1275f}};
inline constexpr Schedule<10> Weekly{
    {0, 20, 40, 60, 80, 100, 120, 140, 160, 180},
    {0.015, 0.02, 0.025, 0.03, 0.035, 0.04, 0.045, 0.05, 0.055, 0.06},
    {0, 0.3f, 0.7f, 1.2f, 1.8f, 2.5f, 3.3f, 4.2f, 5.2f, 6.3f}};
// Standard deduction by status and "Spouse Works".
inline constexpr float StandardSingleBiWeekly = 205.77f, StandardSingleWeekly = 102.88f;
inline constexpr float StandardMarriedBiWeekly = 411.54f, StandardMarriedWeekly = 205.77f;
inline constexpr float StandardSpouseBiWeekly = 205.77f, StandardSpouseWeekly = 102.88f;
// W4 allowance for 0..9 exemptions.
inline constexpr std::array<float, 10> AllowanceBiWeekly{0, 46.15f, 92.3f, 138.45f, 184.6f,
                                                         230.75f, 276.9f, 323.05f, 369.2f, 415.35f};
inline constexpr std::array<float, 10> AllowanceWeekly{0, 23.08f, 46.16f, 69.24f, 92.32f,
                                                       115.4f, 138.48f, 161.56f, 184.64f, 207.72f};
// The yearly federal tax deduction cap, spread over the periods of the year: a single filer or a
// spouse who works deducts up to 5,000; a married filer whose spouse does not work, 10,000.
inline constexpr double CapSingle = 5000, CapMarriedOneEarner = 10000;
}  // namespace Missouri

// ---- Kentucky: rows 0..5 of both tables; Min is the bracket top, Amt the standard deduction ----
namespace Kentucky {
inline constexpr std::array<float, 6> TopBiWeekly{115.38f, 153.84f, 192.3f, 307.68f, 2884.6f, 5769.22f};
inline constexpr std::array<float, 6> TopWeekly{57.69f, 76.92f, 96.15f, 153.85f, 1442.3f, 2884.61f};
inline constexpr float StandardBiWeekly = 78.85f, StandardWeekly = 39.42f;
inline constexpr std::array<float, 6> Rate{0.02f, 0.03f, 0.04f, 0.05f, 0.058f, 0.06f};
inline constexpr std::array<float, 10> CreditBiWeekly{0, 0.77f, 1.54f, 2.31f, 3.08f, 3.85f, 4.62f, 5.39f, 6.153f, 6.923f};
inline constexpr std::array<float, 10> CreditWeekly{0, 0.385f, 0.77f, 1.153f, 1.54f, 1.923f, 2.31f, 2.692f, 3.08f, 3.462f};
}  // namespace Kentucky

// ---- Oregon: rows 0..2 of both tables ----
namespace Oregon {
inline constexpr std::array<BracketRow, 3> SingleWeekly{{{0, 0, 0.05f}, {55, 3, 0.07f}, {138, 9, 0.09f}}};
inline constexpr std::array<BracketRow, 3> MarriedWeekly{{{0, 0, 0.05f}, {110, 5, 0.07f}, {275, 17, 0.09f}}};
inline constexpr std::array<BracketRow, 3> SingleBiWeekly{{{0, 0, 0.05f}, {110, 5, 0.07f}, {275, 17, 0.09f}}};
inline constexpr std::array<BracketRow, 3> MarriedBiWeekly{{{0, 0, 0.05f}, {219, 11, 0.07f}, {550, 34, 0.09f}}};
inline constexpr float CreditPerExemptionWeekly = 3, CreditPerExemptionBiWeekly = 6;
// Federal tax deducted at most, and the standard deduction by status.
inline constexpr float FedCapBiWeekly = 212, FedCapWeekly = 106;
inline constexpr float StandardSingleBiWeekly = 72, StandardMarriedBiWeekly = 144;
inline constexpr float StandardSingleWeekly = 36, StandardMarriedWeekly = 72;
}  // namespace Oregon

// ---- Idaho: rows 0..8 of both tables, bi-weekly whatever the pay frequency ----
namespace Idaho {
inline constexpr std::array<BracketRow, 9> Table{{
    {0, 0, 0.0036f},
    {50, 0.18f, 0.0072f},
    {100, 0.54f, 0.0243f},
    {200, 2.97f, 0.045f},
    {450, 14.22f, 0.0612f},
    {750, 32.58f, 0.0648f},
    {1000, 48.78f, 0.068f},
    {1500, 82.78f, 0.0792f},
    {2250, 142.18f, 0.0898f},
}};
inline constexpr float AllowanceUpToOne = 63.46f, AllowanceFromTwo = 156.15f;
}  // namespace Idaho

// ---- Wisconsin: rows 0..6 of both tables ----
namespace Wisconsin {
inline constexpr std::array<BracketRow, 7> Single{{
    {0, 0, 0},
    {153.85f, 0, 0.046f},
    {408.46f, 11.73f, 0.05154f},
    {454.81f, 14.12f, 0.06888f},
    {716.5f, 32.15f, 0.0728f},
    {1690.5f, 103.08f, 0.065f},
    {4428.46f, 281.04f, 0.0675f},
}};
inline constexpr std::array<BracketRow, 7> Married{{
    {0, 0, 0},
    {211.54f, 0, 0.046f},
    {518.08f, 14.12f, 0.0615f},
    {575, 17.62f, 0.0738f},
    {771.81f, 32.15f, 0.078f},
    {1632.69f, 99.31f, 0.065f},
    {4428.46f, 281.04f, 0.0675f},
}};
inline constexpr std::array<const char*, 10> Allowance{"0", "0.85", "1.7", "2.55", "3.4",
                                                       "4.25", "5.1", "5.95", "6.8", "7.65"};
}  // namespace Wisconsin

// ---- North Carolina: rows 0..4 of both tables, as the window shows them ----
namespace NorthCarolina {
struct TextRow {
    const char *min, *amt, *per;
};
inline constexpr std::array<TextRow, 5> Single{{
    {"0", "0", "0"},
    {"115.38", "6.92", "0.06"},
    {"605.77", "12.98", "0.07"},
    {"2423.08", "31.15", "0.0775"},
    {"4730.77", "42.98", "0.08"},
}};
inline constexpr std::array<TextRow, 5> Married{{
    {"0", "0", "0"},
    {"115.38", "6.92", "0.06"},
    {"524.04", "12.16", "0.07"},
    {"2038.46", "27.45", "0.0775"},
    {"3961.54", "37.35", "0.08"},
}};
inline constexpr std::array<const char*, 10> Allowance{"0",     "96.15", "192.3",  "288.45", "384.6",
                                                       "480.75", "576.9", "673.05", "769.2",  "865.35"};
}  // namespace NorthCarolina

// ---- Massachusetts ----
namespace Mass {
inline constexpr std::array<const char*, 10> Allowance{"0", "159", "198", "237", "276",
                                                       "315", "354", "393", "432", "471"};
inline constexpr const char* Rate = "0.053";
// While the year's Social Security and Medicare have not passed this, they reduce the wages.
inline constexpr float SocSecMediLimit = 2000;
}  // namespace Mass

// ---- Louisiana ----
namespace Louisiana {
struct Constants {
    double perPersonal, perDependent;
    double threshold1, threshold2;          // N other than 2
    double threshold1Two, threshold2Two;    // N = 2
};
inline constexpr Constants BiWeekly{173.08, 38.46, 480.77, 961.54, 961.54, 1923.08};
inline constexpr Constants Weekly{86.54, 19.23, 240.38, 480.77, 480.77, 961.54};
inline constexpr double Rate1 = 0.021, Rate2 = 0.0135;
inline constexpr int MaxPersonal = 2, MaxDependents = 6;
}  // namespace Louisiana

// ---- Alabama ----
namespace Alabama {
// Dependent amount by gross pay: up to the first bound, up to the second, above.
struct DependentBands {
    float bound1, bound2;
    double low, middle, high;
};
inline constexpr DependentBands DependentBiWeekly{769.23f, 3846.15f, 38.46, 19.23, 11.54};
inline constexpr DependentBands DependentWeekly{384.62f, 1923.08f, 19.23, 9.62, 5.77};

// Standard deduction bands 0..20 (band 21 is everything above the bound of band 20 and takes the
// deduction of band 20).
inline constexpr int Bands = 21;
inline constexpr std::array<float, Bands> BoundA{769.23f, 788.46f, 807.69f, 826.99f, 846.15f, 865.38f, 884.62f,
                                                 903.85f, 923.08f, 942.31f, 961.54f, 980.77f, 1000.00f, 1019.23f,
                                                 1038.46f, 1057.69f, 1076.92f, 1096.15f, 1115.38f, 1134.62f, 1153.85f};
inline constexpr std::array<float, Bands> BoundB{384.62f, 394.23f, 403.85f, 413.46f, 423.08f, 432.69f, 442.31f,
                                                 451.92f, 461.54f, 471.15f, 480.77f, 490.38f, 500.00f, 509.62f,
                                                 519.23f, 528.85f, 538.46f, 548.08f, 557.69f, 567.31f, 576.92f};
inline constexpr std::array<float, Bands> BoundC{192.31f, 197.12f, 201.92f, 206.73f, 211.54f, 216.35f, 221.15f,
                                                 225.96f, 230.77f, 235.58f, 240.38f, 245.19f, 250.00f, 254.81f,
                                                 259.62f, 264.42f, 269.23f, 274.04f, 278.85f, 283.65f, 288.46f};
inline constexpr std::array<float, Bands> BiWeeklySS{96.15f, 95.19f, 94.23f, 93.27f, 92.31f, 91.35f, 90.38f,
                                                     89.42f, 88.46f, 87.50f, 86.54f, 85.58f, 84.62f, 83.65f,
                                                     82.69f, 81.73f, 80.77f, 79.81f, 78.85f, 77.88f, 76.92f};
inline constexpr std::array<float, Bands> BiWeeklyMS{144.23f, 140.85f, 137.46f, 134.08f, 130.69f, 127.31f, 123.92f,
                                                     120.54f, 117.15f, 113.77f, 110.38f, 107.00f, 103.62f, 100.23f,
                                                     96.85f,  93.46f,  90.08f,  86.69f,  83.31f,  79.92f,  76.92f};
inline constexpr std::array<float, Bands> BiWeeklyMM{288.46f, 281.73f, 275.00f, 268.27f, 261.54f, 254.81f, 248.08f,
                                                     241.35f, 234.62f, 227.88f, 221.15f, 214.42f, 207.69f, 200.96f,
                                                     194.23f, 187.50f, 180.77f, 174.04f, 167.31f, 160.58f, 153.85f};
inline constexpr std::array<float, Bands> WeeklySS{48.08f, 47.60f, 47.12f, 46.63f, 46.15f, 45.67f, 45.19f,
                                                   44.71f, 44.23f, 43.75f, 43.27f, 42.79f, 42.31f, 41.83f,
                                                   41.35f, 40.87f, 40.38f, 39.90f, 39.42f, 38.94f, 38.46f};
inline constexpr std::array<float, Bands> WeeklyMS{72.12f, 70.42f, 68.73f, 67.04f, 65.35f, 63.65f, 61.96f,
                                                   60.27f, 58.58f, 56.88f, 55.19f, 53.50f, 51.81f, 50.12f,
                                                   48.42f, 46.73f, 45.04f, 43.35f, 41.65f, 39.96f, 38.46f};
inline constexpr std::array<float, Bands> WeeklyMM{144.23f, 140.77f, 137.50f, 134.13f, 130.77f, 127.40f, 124.04f,
                                                   120.67f, 117.31f, 113.94f, 110.58f, 107.21f, 103.85f, 100.48f,
                                                   97.12f,  93.75f,  90.38f,  87.02f,  83.65f,  80.29f,  76.92f};

// Personal exemption, band limits and the tax of each full band, by frequency and state status.
struct Rates {
    float personal, limit1, limit2;
    double fullBand1, fullBand2;
};
inline constexpr Rates BiWeeklySingle{57.69f, 19.23f, 115.38f, 0.3846, 3.846};
inline constexpr Rates BiWeeklyOther{115.38f, 38.46f, 230.77f, 0.7692, 7.6924};
inline constexpr Rates WeeklySingle{28.85f, 9.62f, 57.69f, 0.1924, 1.9232};
inline constexpr Rates WeeklyOther{57.69f, 19.23f, 115.38f, 0.3846, 3.846};
inline constexpr double Rate1 = 0.02, Rate2 = 0.04, Rate3 = 0.05;
}  // namespace Alabama

}  // namespace orvane::state_tables
