// The manual's Markdown laid out on A4 pages and written as a PDF.
#include "manualwriter.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>

#include <QAbstractTextDocumentLayout>

#include <algorithm>
#include <vector>

namespace brisalta::manual {
namespace {

constexpr int kResolution = 300;    // dots per inch of the PDF's layout
constexpr double kFooterMm = 9;     // room kept at the bottom of each page for the footer
const QColor kHeadingColour(0x1F, 0x3A, 0x60);
const QColor kRuleColour(0xB0, 0xB8, 0xC4);

int mmToDots(double mm) {
    return static_cast<int>(mm / 25.4 * kResolution + 0.5);
}

QString findImage(const QString& name, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder), name);
        if (file.isFile()) {
            return file.absoluteFilePath();
        }
    }
    return {};
}

// Loads every picture the text names and fits it to the text width (in the
// 96-dpi pixels pictures are measured in); a paragraph that holds a picture
// is centred.
bool preparePictures(QTextDocument& doc, const QStringList& folders, qreal textWidth,
                     QString& error) {
    struct Found {
        int position;
        int length;
        QTextImageFormat format;
    };
    std::vector<Found> found;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat()) {
                found.push_back({fragment.position(), fragment.length(),
                                 fragment.charFormat().toImageFormat()});
            }
        }
    }
    for (Found& picture : found) {
        const QString name = picture.format.name();
        const QString path = findImage(name, folders);
        const QImage image(path);
        if (path.isEmpty() || image.isNull()) {
            error = QStringLiteral("no se encuentra la imagen «%1» en %2")
                        .arg(name, folders.join(QStringLiteral(", ")));
            return false;
        }
        doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
        // Screenshots of whole screens fill the width; a dialog is shown a
        // little smaller than on screen, beside the text that explains it.
        const qreal width = image.width() >= textWidth ? textWidth : image.width() * 0.75;
        picture.format.setWidth(width);
        picture.format.setHeight(width * image.height() / image.width());
        QTextCursor cursor(&doc);
        cursor.setPosition(picture.position);
        cursor.setPosition(picture.position + picture.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(picture.format);
        QTextBlockFormat centred = cursor.blockFormat();
        centred.setAlignment(Qt::AlignHCenter);
        cursor.setBlockFormat(centred);
    }
    return true;
}

// Headings in a sans face and the heading colour; the contents and the first
// chapter start a new page (the title page and the contents stand alone).
// Code, in blocks or in a sentence, in a small fixed face; blocks of it on a
// light background.
void styleBlocks(QTextDocument& doc) {
    int chapters = 0;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().fontFixedPitch()) {
                QTextCursor code(&doc);
                code.setPosition(fragment.position());
                code.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
                QTextCharFormat small;
                small.setFontFamilies({QStringLiteral("Liberation Mono")});
                small.setFontPointSize(9.5);
                code.mergeCharFormat(small);
            }
        }
        QTextCursor cursor(block);
        cursor.select(QTextCursor::BlockUnderCursor);
        QTextBlockFormat format = block.blockFormat();
        const int level = format.headingLevel();
        if (level > 0) {
            QTextCharFormat characters;
            characters.setFontFamilies({QStringLiteral("Liberation Sans")});
            characters.setForeground(kHeadingColour);
            cursor.mergeCharFormat(characters);
            format.setTopMargin(level <= 2 ? 22 : 12);
            format.setBottomMargin(6);
            if (level == 2 && ++chapters <= 2) {
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            }
            QTextCursor(block).setBlockFormat(format);
        } else if (format.hasProperty(QTextFormat::BlockCodeFence) ||
                   format.nonBreakableLines()) {
            QTextCharFormat characters;
            characters.setFontFamilies({QStringLiteral("Liberation Mono")});
            characters.setFontPointSize(8.5);
            cursor.mergeCharFormat(characters);
            format.setBackground(QColor(0xF2, 0xF4, 0xF7));
            format.setLeftMargin(8);
            QTextCursor(block).setBlockFormat(format);
        }
    }
}

void styleTables(QTextFrame* frame) {
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) {
            QTextTableFormat format = table->format();
            format.setBorder(0.6);
            format.setBorderBrush(kRuleColour);
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setBorderCollapse(true);
            format.setCellSpacing(0);
            format.setCellPadding(3);
            format.setTopMargin(4);
            format.setBottomMargin(8);
            format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            table->setFormat(format);
            for (int column = 0; column < table->columns(); ++column) {
                QTextTableCell cell = table->cellAt(0, column);
                QTextCharFormat head = cell.format();
                head.setBackground(QColor(0xE4, 0xE9, 0xF0));
                head.setFontWeight(QFont::Bold);
                cell.setFormat(head);
            }
        }
        styleTables(child);
    }
}

struct ContentsEntry {
    QTextBlock heading;
    QTextTableCell pageCell;
};

// Puts a two-column table of the chapters (level 2) and sections (level 3)
// after the marker in its place; the page numbers are filled in later.
bool insertContents(QTextDocument& doc, std::vector<ContentsEntry>& entries, QString& error) {
    QTextBlock marker;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block.text().trimmed() == QLatin1String(kContentsMarker)) {
            marker = block;
            break;
        }
    }
    if (!marker.isValid()) {
        error = QStringLiteral("falta la línea %1 donde va el índice").arg(QLatin1String(kContentsMarker));
        return false;
    }
    std::vector<QTextBlock> headings;
    for (QTextBlock block = marker.next(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 2 || level == 3) {
            headings.push_back(block);
        }
    }
    QTextCursor cursor(marker);
    cursor.select(QTextCursor::BlockUnderCursor);
    cursor.movePosition(QTextCursor::StartOfBlock);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    QTextBlockFormat plain;
    cursor.setBlockFormat(plain);

    QTextTableFormat format;
    format.setBorder(0);
    format.setCellPadding(1.5);
    format.setCellSpacing(0);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 90),
                                      QTextLength(QTextLength::PercentageLength, 10)});
    QTextTable* table = cursor.insertTable(static_cast<int>(headings.size()), 2, format);
    for (std::size_t i = 0; i < headings.size(); ++i) {
        const int row = static_cast<int>(i);
        const bool chapter = headings[i].blockFormat().headingLevel() == 2;
        QTextCharFormat text;
        text.setFontWeight(chapter ? QFont::Bold : QFont::Normal);
        QTextCursor title = table->cellAt(row, 0).firstCursorPosition();
        QTextBlockFormat indent;
        indent.setLeftMargin(chapter ? 0 : 24);
        indent.setTopMargin(chapter ? 5 : 0);
        title.setBlockFormat(indent);
        title.insertText(headings[i].text(), text);
        QTextCursor page = table->cellAt(row, 1).firstCursorPosition();
        QTextBlockFormat right;
        right.setAlignment(Qt::AlignRight);
        right.setTopMargin(chapter ? 5 : 0);
        page.setBlockFormat(right);
        page.insertText(QStringLiteral("000"), text);
        entries.push_back({headings[i], table->cellAt(row, 1)});
    }
    return true;
}

// A heading whose text would start on the next page goes there with it.
// True when a heading moved.
bool keepHeadingsWithText(QTextDocument& doc, qreal pageHeight) {
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        const QTextBlock next = block.next();
        if (format.headingLevel() == 0 || !next.isValid() ||
            format.pageBreakPolicy() == QTextFormat::PageBreak_AlwaysBefore) {
            continue;
        }
        if (next.blockFormat().pageBreakPolicy() == QTextFormat::PageBreak_AlwaysBefore) {
            // A heading right above a heading that starts a page goes with
            // it: the page starts at the first of the two.
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(block).setBlockFormat(format);
            QTextBlockFormat following = next.blockFormat();
            following.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
            QTextCursor(next).setBlockFormat(following);
            return true;
        }
        const int page = static_cast<int>(layout->blockBoundingRect(block).top() / pageHeight);
        const QRectF text = layout->blockBoundingRect(next);
        // The first line of what follows (a picture is one tall line).
        const QTextLayout* lines = next.layout();
        const qreal firstLine =
            lines && lines->lineCount() > 0 ? lines->lineAt(0).height() : text.height();
        if (static_cast<int>((text.top() + firstLine - 1) / pageHeight) != page) {
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(block).setBlockFormat(format);
            return true;
        }
    }
    return false;
}

// Writes each entry's page number (counted from 1) into its cell. True when
// a number changed.
bool fillPageNumbers(QTextDocument& doc, std::vector<ContentsEntry>& entries, qreal pageHeight) {
    bool changed = false;
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    for (ContentsEntry& entry : entries) {
        const qreal top = layout->blockBoundingRect(entry.heading).top();
        const QString number = QString::number(static_cast<int>(top / pageHeight) + 1);
        QTextCursor cell = entry.pageCell.firstCursorPosition();
        cell.setPosition(entry.pageCell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
        if (cell.selectedText() != number) {
            const QTextCharFormat format = cell.charFormat();
            cell.insertText(number, format);
            changed = true;
        }
    }
    return changed;
}

} // namespace

bool writeManualPdf(const ManualSource& source, const QString& pdfFile, QString& error) {
    QSaveFile file(pdfFile);
    if (!file.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("no se puede escribir %1: %2").arg(pdfFile, file.errorString());
        return false;
    }
    QPdfWriter writer(&file);
    writer.setResolution(kResolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 16, 20, 12), QPageLayout::Millimeter);
    writer.setTitle(source.title);
    writer.setCreator(QStringLiteral("Brisalta"));

    const qreal pageWidth = writer.width();
    const qreal pageHeight = writer.height() - mmToDots(kFooterMm);

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&writer);
    doc.setDefaultFont(QFont(QStringLiteral("Liberation Serif"), 11));
    doc.setDocumentMargin(0);
    doc.setMarkdown(source.markdown);
    doc.setPageSize(QSizeF(pageWidth, pageHeight));

    // Pictures are measured in 96-dpi pixels whatever the page's resolution.
    const qreal textWidth = pageWidth * 96.0 / kResolution;
    if (!preparePictures(doc, source.imageFolders, textWidth, error)) {
        return false;
    }
    styleBlocks(doc);
    styleTables(doc.rootFrame());
    std::vector<ContentsEntry> entries;
    if (!insertContents(doc, entries, error)) {
        return false;
    }
    // The numbers take no more room than their placeholders, so the pages
    // settle after a pass or two.
    for (int pass = 0; pass < 50 && keepHeadingsWithText(doc, pageHeight); ++pass) {
    }
    for (int pass = 0; pass < 4 && fillPageNumbers(doc, entries, pageHeight); ++pass) {
    }

    QPainter painter;
    if (!painter.begin(&writer)) {
        error = QStringLiteral("no se puede empezar el PDF %1").arg(pdfFile);
        return false;
    }
    const int pages = doc.pageCount();
    QFont footerFont(QStringLiteral("Liberation Sans"), 8);
    for (int page = 0; page < pages; ++page) {
        if (page > 0) {
            writer.newPage();
        }
        painter.save();
        painter.translate(0, -page * pageHeight);
        doc.drawContents(&painter, QRectF(0, page * pageHeight, pageWidth, pageHeight));
        painter.restore();
        if (page > 0) {
            painter.setFont(footerFont);
            painter.setPen(kRuleColour);
            const qreal ruleY = pageHeight + mmToDots(2.5);
            painter.drawLine(QPointF(0, ruleY), QPointF(pageWidth, ruleY));
            painter.setPen(Qt::darkGray);
            const QRectF band(0, ruleY + mmToDots(1), pageWidth, mmToDots(5));
            painter.drawText(band, Qt::AlignLeft | Qt::AlignTop, source.title);
            painter.drawText(band, Qt::AlignRight | Qt::AlignTop,
                             QStringLiteral("Página %1 de %2").arg(page + 1).arg(pages));
        }
    }
    painter.end();
    if (!file.commit()) {
        error = QStringLiteral("no se ha podido escribir %1: %2").arg(pdfFile, file.errorString());
        return false;
    }
    return true;
}

} // namespace brisalta::manual
