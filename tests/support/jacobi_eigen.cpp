#include "support/jacobi_eigen.h"

#include <algorithm>
#include <cmath>

namespace vintrel::test {

std::vector<double> symmetricEigenvalues(std::vector<double> a, int n) {
    const auto at = [&](int r, int c) -> double& { return a[std::size_t(r * n + c)]; };
    for (int sweep = 0; sweep < 100; ++sweep) {
        double off = 0;
        double scale = 0;
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < n; ++c)
                (r == c ? scale : off) += at(r, c) * at(r, c);
        if (off <= 1e-26 * std::max(scale, 1e-300))
            break;
        for (int p = 0; p < n - 1; ++p)
            for (int q = p + 1; q < n; ++q) {
                const double apq = at(p, q);
                if (apq == 0)
                    continue;
                const double theta = (at(q, q) - at(p, p)) / (2 * apq);
                const double t =
                    (theta >= 0 ? 1 : -1) / (std::fabs(theta) + std::sqrt(theta * theta + 1));
                const double cs = 1 / std::sqrt(t * t + 1);
                const double sn = t * cs;
                for (int k = 0; k < n; ++k) {
                    const double akp = at(k, p);
                    const double akq = at(k, q);
                    at(k, p) = cs * akp - sn * akq;
                    at(k, q) = sn * akp + cs * akq;
                }
                for (int k = 0; k < n; ++k) {
                    const double apk = at(p, k);
                    const double aqk = at(q, k);
                    at(p, k) = cs * apk - sn * aqk;
                    at(q, k) = sn * apk + cs * aqk;
                }
            }
    }
    std::vector<double> values;
    for (int i = 0; i < n; ++i)
        values.push_back(at(i, i));
    std::sort(values.begin(), values.end());
    return values;
}

std::vector<double> hermitianEigenvalues(const std::vector<double>& re,
                                         const std::vector<double>& im, int N) {
    const int n = 2 * N;
    std::vector<double> real(std::size_t(n) * std::size_t(n));
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < N; ++c) {
            const double x = re[std::size_t(r * N + c)];
            const double y = im[std::size_t(r * N + c)];
            real[std::size_t(r * n + c)] = x;
            real[std::size_t(r * n + c + N)] = -y;
            real[std::size_t((r + N) * n + c)] = y;
            real[std::size_t((r + N) * n + c + N)] = x;
        }
    const std::vector<double> doubled = symmetricEigenvalues(real, n);
    std::vector<double> values;
    for (int i = 0; i < n; i += 2)
        values.push_back(doubled[std::size_t(i)]);
    return values;
}

} // namespace vintrel::test
