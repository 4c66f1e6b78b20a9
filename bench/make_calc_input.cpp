// Writes a CSV of returns in TAXSIM's variables for timing "tavrel /calc":
// tax years 2001-2009, every filing status, wages, self-employment (some
// losses), dividends, interest with cents, capital gains and losses, state and
// property taxes and mortgage interest. The same seed always gives the same file.
//
//   make_calc_input OUT.csv [ROWS (200000)] [SEED (2009)]

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

// Raw draws from the engine (its output is fixed by the standard, unlike the
// library's distributions), so every platform writes the same file.
class Draws {
public:
    explicit Draws(std::uint64_t seed) : engine_(seed) {}
    // A whole number from lo to hi.
    long long between(long long lo, long long hi) {
        return lo + static_cast<long long>(engine_() % static_cast<std::uint64_t>(hi - lo + 1));
    }
    bool percent(int p) { return between(1, 100) <= p; }

private:
    std::mt19937_64 engine_;
};

// Wages spread from part-time to executive pay, most of them middling.
long long wages(Draws& d) {
    switch (d.between(0, 9)) {
    case 0: return d.between(0, 15000);
    case 1:
    case 2:
    case 3: return d.between(15000, 60000);
    case 4:
    case 5:
    case 6: return d.between(60000, 150000);
    case 7:
    case 8: return d.between(150000, 400000);
    default: return d.between(400000, 2500000);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_calc_input OUT.csv [ROWS] [SEED]\n");
        return 2;
    }
    const long rows = argc > 2 ? std::atol(argv[2]) : 200000;
    const std::uint64_t seed = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 2009;
    std::FILE* out = std::fopen(argv[1], "w");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    Draws d(seed);
    std::fputs(
        "taxsimid,year,mstat,page,sage,depx,age1,age2,age3,pwages,swages,psemp,ssemp,dividends,intrec,"
        "stcg,ltcg,proptax,otheritem,mortgage\n",
        out);
    for (long id = 1; id <= rows; ++id) {
        const long long year = d.between(2001, 2009);
        const long long pick = d.between(1, 100);
        const int mstat = pick <= 45 ? 1 : pick <= 85 ? 2 : pick <= 93 ? 6 : 8;
        const bool joint = mstat == 2;
        const long long page = mstat == 8 ? d.between(16, 24) : d.between(22, 88);
        const long long sage = joint ? std::max<long long>(22, page + d.between(-6, 6)) : 0;
        const long long depx = mstat == 8 ? 0 : d.percent(55) ? d.between(1, 4) : 0;
        long long ages[3] = {0, 0, 0};
        for (long long i = 0; i < depx && i < 3; ++i) ages[i] = d.between(1, 22);
        const long long pwages = mstat == 8 ? d.between(0, 20000) : wages(d);
        const long long swages = joint && d.percent(70) ? wages(d) : 0;
        const long long psemp = d.percent(15) ? d.between(-20000, 150000) : 0;
        const long long ssemp = joint && d.percent(8) ? d.between(-10000, 90000) : 0;
        const long long dividends = d.percent(35) ? d.between(0, 40000) : 0;
        const long long interestCents = d.percent(60) ? d.between(0, 2500000) : 0;
        const long long stcg = d.percent(15) ? d.between(-15000, 30000) : 0;
        const long long ltcg = d.percent(22) ? d.between(-20000, 250000) : 0;
        const long long proptax = d.percent(65) ? d.between(500, 25000) : 0;
        const long long stateTax = d.percent(55) ? pwages / 20 + d.between(0, 3000) : 0;
        const long long mortgage = d.percent(40) ? d.between(1000, 45000) : 0;
        std::fprintf(
            out,
            "%ld,%lld,%d,%lld,%lld,%lld,%lld,%lld,%lld,%lld,%lld,%lld,%lld,%lld,%lld.%02lld,%lld,%lld,%lld,%lld,"
            "%lld\n",
            id, year, mstat, page, sage, depx, ages[0], ages[1], ages[2], pwages, swages, psemp, ssemp, dividends,
            interestCents / 100, interestCents % 100, stcg, ltcg, proptax, stateTax, mortgage);
    }
    if (std::fclose(out) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
