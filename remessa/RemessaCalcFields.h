#pragma once

#include <QString>

namespace brovik::data {

class Dataset;

// The calculation routines of the batch queries. Each reads its dataset's current row
// (and the master or the size-grid catalogue where stated) and fills its calculated fields.
// The size-grid lookups move `grade` to the grid's row and fail like the dataset layer:
// closed catalogue, a size column it lacks, a null label.

// Grade of IBRemessa_Acumulado: " 33/12 35/10,5", "Falha na grade", or empty.
void calcAcumulado(Dataset& row, Dataset& grade);
// Oc ("001234-03") and TOTAL of IBRemessa_Oc.
void calcOc(Dataset& row, Dataset& header);
// Tamanho_Descricao ("Falha" when the order's grid is missing) and Situacao_Descricao.
void calcOcCor(Dataset& row, Dataset& order, Dataset& grade);
// Grade of IBRemessa_Empenho: the material's size label or empty.
void calcEmpenho(Dataset& row, Dataset& grade);

QString situacaoDescricao(qint64 situacao);

}  // namespace brovik::data
