#include "app/launch_catalog.h"

#include <array>

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr std::array<LaunchEntry, kToolKindCount> kEntries = {{
    {ToolKind::AccelPayment, LaunchGroup::Loan, "Accelerated Payment", "Accelerated Payment...",
     "Calculates the effect of regular\rextra payments on a loan.", "btnAccelPmt", 32},
    {ToolKind::AutomobileLoan, LaunchGroup::Loan, "Automobile Loan", "Automobile Loan...",
     "A loan calculator incorporating\r\na cash down payment", "btnAutoLoan", 5230},
    {ToolKind::BalloonPayment, LaunchGroup::Loan, "Balloon Payment", "Balloon Payment...",
     "Calculate for the unknown value which results\rin specified balloon balance.",
     "btnBalloonPmt", 92},
    {ToolKind::Interest, LaunchGroup::Loan, "Comp/&Simple Int", "Comp/&Simple Int...",
     "Calculate either compound or\r\nsimple interest for exact number of days", "btnInterest", 50},
    {ToolKind::Loan, LaunchGroup::Loan, "Loan", "Loan...",
     "Solve for any unknown\ramount of loan, rate, term or payment amount.", "btnLoan", 8},
    {ToolKind::MortgageLoan, LaunchGroup::Loan, "Mortgage Loan", "Mortgage Loan...",
     "A loan calculator incorporating a cash down\r\npayment as percent of loan amount",
     "btnMortgage", 5250},
    {ToolKind::RemainingBalance, LaunchGroup::Loan, "Remaining Balance", "Remaining Balance...",
     "Calculate the balloon or\rbalance of a loan.", "btnRemBal", 91},
    {ToolKind::Amortization, LaunchGroup::Schedules, "Amortization", "Amortization...",
     "Create a simple amortization schedule.", "btnAmortization", 436},
    {ToolKind::Refinance, LaunchGroup::Advisers, "Refinance", "Refinance...",
     "Does it pay to refinance a loan?", "btnRefinance", 94},
}};

struct IconStyle {
    ToolKind kind;
    QColor color;
    const char16_t* symbol; // empty: a drawn picture
};

const std::array<IconStyle, kToolKindCount> kStyles = {{
    {ToolKind::Interest, QColor(0x2e, 0x7d, 0x32), u"%"},
    {ToolKind::AccelPayment, QColor(0xef, 0x6c, 0x00), u"\u00bb"},
    {ToolKind::BalloonPayment, QColor(0xc6, 0x28, 0x28), u""},
    {ToolKind::Loan, QColor(0x15, 0x65, 0xc0), u"$"},
    {ToolKind::RemainingBalance, QColor(0x6a, 0x1b, 0x9a), u"\u2696"},
    {ToolKind::AutomobileLoan, QColor(0x00, 0x83, 0x8f), u""},
    {ToolKind::MortgageLoan, QColor(0x8d, 0x6e, 0x63), u"\u2302"},
    {ToolKind::Amortization, QColor(0x37, 0x47, 0x4f), u"\u25a6"},
    {ToolKind::Refinance, QColor(0x00, 0x69, 0x5c), u"\u21bb"},
}};

void DrawBalloon(QPainter& p, const QRectF& r) {
    const QRectF ball(r.center().x() - r.width() * 0.2, r.top() + r.height() * 0.18,
                      r.width() * 0.4, r.height() * 0.46);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(ball);
    QPainterPath string;
    string.moveTo(ball.center().x(), ball.bottom());
    string.cubicTo(ball.center().x() - r.width() * 0.08, ball.bottom() + r.height() * 0.1,
                   ball.center().x() + r.width() * 0.08, ball.bottom() + r.height() * 0.14,
                   ball.center().x(), r.bottom() - r.height() * 0.12);
    p.setPen(QPen(Qt::white, r.width() * 0.04));
    p.setBrush(Qt::NoBrush);
    p.drawPath(string);
}

void DrawCar(QPainter& p, const QRectF& r) {
    const double w = r.width();
    const double h = r.height();
    QPainterPath body;
    body.moveTo(r.left() + w * 0.16, r.top() + h * 0.62);
    body.lineTo(r.left() + w * 0.16, r.top() + h * 0.50);
    body.lineTo(r.left() + w * 0.30, r.top() + h * 0.48);
    body.lineTo(r.left() + w * 0.38, r.top() + h * 0.32);
    body.lineTo(r.left() + w * 0.64, r.top() + h * 0.32);
    body.lineTo(r.left() + w * 0.74, r.top() + h * 0.48);
    body.lineTo(r.left() + w * 0.84, r.top() + h * 0.52);
    body.lineTo(r.left() + w * 0.84, r.top() + h * 0.62);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(body);
    const double wheel = w * 0.15;
    p.drawEllipse(QPointF(r.left() + w * 0.32, r.top() + h * 0.64), wheel / 2, wheel / 2);
    p.drawEllipse(QPointF(r.left() + w * 0.68, r.top() + h * 0.64), wheel / 2, wheel / 2);
}

QPixmap PaintTile(const IconStyle& style, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF tile(0.5, 0.5, size - 1.0, size - 1.0);
    QLinearGradient shade(tile.topLeft(), tile.bottomLeft());
    shade.setColorAt(0, style.color.lighter(125));
    shade.setColorAt(1, style.color.darker(110));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRoundedRect(tile, size * 0.22, size * 0.22);

    const QString symbol = QString::fromUtf16(style.symbol);
    if (!symbol.isEmpty()) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(static_cast<int>(size * 0.62));
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(tile, Qt::AlignCenter, symbol);
    } else if (style.kind == ToolKind::BalloonPayment) {
        DrawBalloon(p, tile);
    } else {
        DrawCar(p, tile);
    }
    return pixmap;
}

const IconStyle& StyleOf(ToolKind kind) {
    for (const IconStyle& style : kStyles)
        if (style.kind == kind)
            return style;
    return kStyles.front();
}

} // namespace

std::span<const LaunchEntry> LaunchEntries() {
    return kEntries;
}

const LaunchEntry& LaunchEntryOf(ToolKind kind) {
    for (const LaunchEntry& entry : kEntries)
        if (entry.kind == kind)
            return entry;
    return kEntries.front();
}

QColor LaunchColor(ToolKind kind) {
    return StyleOf(kind).color;
}

QIcon LaunchIcon(ToolKind kind) {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(PaintTile(StyleOf(kind), size));
    return icon;
}
