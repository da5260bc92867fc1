#include "uctlMaterialList.h"

#include "DisplayTexts.h"
#include "MaterialListModel.h"
#include "SearchText.h"
#include "WaitCursor.h"
#include "common/qt/QtLanguageForm.h"
#include "objects/Application.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTableView>

namespace display {

namespace {

using orvik::common::TextID;

constexpr int twips(int pixels) {
    return pixels * orvik::common::qt::TwipsPerPixel;
}

constexpr int pixels(int twips) {
    return twips / orvik::common::qt::TwipsPerPixel;
}

} // namespace

uctlMaterialList::uctlMaterialList(QWidget* parent)
    : QWidget(parent), m_grid(new QTableView(this)), m_model(new MaterialListModel(this)) {
    setObjectName(QStringLiteral("uctlMaterialList"));
    m_grid->setObjectName(QStringLiteral("grdMaterials"));
    m_grid->setModel(m_model);
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    // Fixed row heights: the view then never asks every row of a long list for its size.
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->setWordWrap(false);
    m_grid->setShowGrid(false);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setMouseTracking(true);
    m_grid->viewport()->setMouseTracking(true);
    m_grid->installEventFilter(this);
    m_grid->viewport()->installEventFilter(this);
    // Only the double click selects: Qt's activated would come from Enter and the double click too.
    connect(m_grid, &QAbstractItemView::doubleClicked, this, [this] { select(); });
    connect(m_grid, &QAbstractItemView::clicked, this, [this] { setHighlight(true); });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { currentRowChanged(); });
    connect(m_model, &MaterialListModel::readFailed, this, &uctlMaterialList::ReadFailed);
    layoutColumns();
}

uctlMaterialList::~uctlMaterialList() = default;

void uctlMaterialList::setApplication(std::shared_ptr<orvik::objects::Application> application) {
    m_application = std::move(application);
}

void uctlMaterialList::setListType(int listType) {
    m_listType = listType;
    layoutColumns();
    // A new layout starts unhighlighted, as before the first click or find.
    setHighlight(false);
}

int uctlMaterialList::Count() const {
    return m_model->rowCount();
}

int uctlMaterialList::CurrentPos() const {
    const auto current = m_grid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void uctlMaterialList::SelectDesignation(const QString& designationCountryId) {
    if (Count() == 0) {
        return;
    }
    const int row =
        m_model->findFirst(SearchText::occurrenceCondition(designationCountryId.trimmed().toStdString()));
    if (row < 0) {
        setHighlight(false);
        return;
    }
    setHighlight(true);
    moveTo(row);
    emit MaterialHighlited(m_model->activatedMaterial(row));
}

void uctlMaterialList::ClearList() {
    m_model->clear();
}

void uctlMaterialList::Show() {
    const WaitCursor wait;
    ClearList();
    MaterialListModel::MaterialNumberLookup lookup;
    if (m_listType != 0 && m_application != nullptr) {
        lookup = [app = m_application](const QString& steelId, std::int32_t countryId) {
            return QString::fromStdString(app->GetTop1MaterialNumber(steelId.toStdString(), countryId));
        };
    }
    m_model->setRecords(m_items, std::move(lookup));
}

void uctlMaterialList::SelectFirstItem() {
    if (Count() == 0) {
        return;
    }
    const bool already = CurrentPos() == 0;
    setHighlight(true);
    m_grid->setCurrentIndex(m_model->index(0, MaterialListModel::Designation));
    // Qt reports no change when row 0 was current already; the hosts still expect the report.
    if (already) {
        emit MaterialHighlited(m_model->activatedMaterial(0));
    }
}

bool uctlMaterialList::Search(const QString& sSearch) {
    emit DisplayStatusBarText(QString());
    const auto text = SearchText::removeBlanks(sSearch.toStdString());
    if (!SearchText::IsBracketPatternValid(text)) {
        return false;
    }
    const auto failed = [this] {
        emit DisplayStatusBarText(DisplayTexts::text(m_language, TextID::Suche_erfolglos));
        return false;
    };
    if (Count() == 0) {
        return failed();
    }
    const int rowsBefore = m_model->rowCount();
    const int row = m_model->findFirst(SearchText::prefixCondition(text));
    if (m_model->rowCount() != rowsBefore) {
        // The search counted the rest of the list: the view takes its rows now, so that it can
        // scroll to a hit among them.
        m_grid->doItemsLayout();
    }
    if (row < 0) {
        setHighlight(false);
        return failed();
    }
    setHighlight(true);
    moveTo(row);
    return true;
}

bool uctlMaterialList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            select();
            return true;
        }
        // Typed letters would move the current row by Qt's own keyboard search.
        if (!key->text().isEmpty() && key->text().at(0).isPrint()) {
            return true;
        }
    }
    if (watched == m_grid->viewport()) {
        if (event->type() == QEvent::MouseMove) {
            mouseMoved(static_cast<QMouseEvent*>(event)->position().toPoint().y());
        } else if (event->type() == QEvent::MouseButtonPress) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const int row = m_grid->rowAt(mouse->position().toPoint().y());
            if (mouse->button() == Qt::MiddleButton && row >= 0) {
                m_grid->setCurrentIndex(m_model->index(row, MaterialListModel::Designation));
            }
        } else if (event->type() == QEvent::Resize) {
            // The view sizes its viewport after this list's own resize: the columns follow the viewport.
            layoutColumns();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void uctlMaterialList::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_grid->setGeometry(rect());
    layoutColumns();
}

void uctlMaterialList::layoutColumns() {
    for (int column = MaterialListModel::SteelId; column < MaterialListModel::ColumnCount; ++column) {
        m_grid->setColumnHidden(column, true);
    }
    const auto metrics = m_grid->fontMetrics();
    const int width = m_grid->viewport()->width();
    if (m_listType != 0) {
        const int numberWidth = metrics.horizontalAdvance(QStringLiteral("X.XXXXXX")) + pixels(190);
        m_grid->setColumnHidden(MaterialListModel::MaterialNumber, false);
        m_grid->setColumnWidth(MaterialListModel::MaterialNumber, numberWidth);
        m_grid->setColumnWidth(MaterialListModel::Designation, std::max(0, width - numberWidth));
        m_grid->verticalHeader()->setDefaultSectionSize(metrics.height() + pixels(25) + 2);
    } else {
        m_grid->setColumnHidden(MaterialListModel::MaterialNumber, true);
        m_grid->setColumnWidth(MaterialListModel::Designation, width);
        m_grid->verticalHeader()->setDefaultSectionSize(metrics.height() + pixels(20) + 2);
    }
}

void uctlMaterialList::setHighlight(bool on) {
    m_highlight = on;
    m_grid->setSelectionMode(on ? QAbstractItemView::SingleSelection : QAbstractItemView::NoSelection);
    if (!on) {
        m_grid->clearSelection();
        return;
    }
    const auto current = m_grid->currentIndex();
    if (current.isValid()) {
        m_grid->selectionModel()->select(current,
                                         QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
}

void uctlMaterialList::moveTo(int row) {
    const auto index = m_model->index(row, MaterialListModel::Designation);
    m_grid->scrollTo(index, QAbstractItemView::PositionAtTop);
    m_grid->setCurrentIndex(index);
    if (m_highlight) {
        m_grid->selectionModel()->select(index,
                                         QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
}

void uctlMaterialList::select() {
    if (Count() == 0 || CurrentPos() < 0) {
        return;
    }
    emit MaterialSelected(m_model->activatedMaterial(CurrentPos()));
}

void uctlMaterialList::currentRowChanged() {
    if (Count() == 0 || CurrentPos() < 0) {
        return;
    }
    emit MaterialHighlited(m_model->activatedMaterial(CurrentPos()));
}

void uctlMaterialList::mouseMoved(int y) {
    emit DisplayStatusBarText(DisplayTexts::text(m_language, TextID::Doppelklick_uebernimmt_Werkstoff));
    if (m_listType != 1) {
        return;
    }
    const int current = CurrentPos();
    if (current < 0 || m_grid->rowAt(y) != current) {
        emit HideToolTip();
        return;
    }
    auto number = m_model->text(current, MaterialListModel::MaterialNumber);
    if (number.isEmpty()) {
        number = QStringLiteral("-");
    }
    const auto text = DisplayTexts::text(m_language, TextID::Werkstoff_Nr) + QStringLiteral(": ") + number +
                      QStringLiteral("\n") + DisplayTexts::text(m_language, TextID::Kurzname) +
                      QStringLiteral(": ") + m_model->text(current, MaterialListModel::Designation);
    emit DisplayToolTip(text, twips(m_grid->y() + m_grid->rowViewportPosition(current)) + 500);
}

} // namespace display
