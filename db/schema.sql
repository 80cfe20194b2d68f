-- The part of the plant's production database that Brovik reads.
-- Load with: isql-fb -ch UTF8 -i schema.sql (after CREATE DATABASE ... DEFAULT CHARACTER SET WIN1252).
-- Names are unquoted, so they fold to upper case like the plant's own.

CREATE TABLE TbEmpresa (
  Codigo INTEGER NOT NULL PRIMARY KEY,
  NomeFantasia VARCHAR(20)
);

CREATE TABLE TbRemessa (
  Numero INTEGER NOT NULL PRIMARY KEY,
  Estabelecimento_Codigo INTEGER NOT NULL,
  Data DATE,
  Projecao CHAR(1),
  Oc CHAR(1),
  Observacao VARCHAR(30),
  Data_Previsao DATE,
  Empresa_Id INTEGER
);

CREATE TABLE TbFamilia (
  Codigo INTEGER NOT NULL PRIMARY KEY,
  Descricao VARCHAR(20),
  Localizacao_Codigo INTEGER
);

CREATE TABLE TbModelo_Linha (
  Codigo INTEGER NOT NULL PRIMARY KEY,
  Descricao VARCHAR(50),
  Pecas_Conjunto SMALLINT
);

CREATE TABLE TbGrade (
  Codigo INTEGER NOT NULL PRIMARY KEY,
  Data DATE,
  Descricao VARCHAR(20) NOT NULL,
  Status CHAR(1),
  T01 VARCHAR(10),
  T02 VARCHAR(10),
  T03 VARCHAR(10),
  T04 VARCHAR(10),
  T05 VARCHAR(10),
  T06 VARCHAR(10),
  T07 VARCHAR(10),
  T08 VARCHAR(10),
  T09 VARCHAR(10),
  T10 VARCHAR(10),
  T11 VARCHAR(10),
  T12 VARCHAR(10),
  T13 VARCHAR(10),
  T14 VARCHAR(10),
  T15 VARCHAR(10),
  T16 VARCHAR(10),
  T17 VARCHAR(10),
  T18 VARCHAR(10),
  T19 VARCHAR(10),
  T20 VARCHAR(10),
  Total_Tamanhos INTEGER,
  Usuario_Codigo INTEGER,
  E01 CHAR(1),
  E02 CHAR(1),
  E03 CHAR(1),
  E04 CHAR(1),
  E05 CHAR(1),
  E06 CHAR(1),
  E07 CHAR(1),
  E08 CHAR(1),
  E09 CHAR(1),
  E10 CHAR(1),
  E11 CHAR(1),
  E12 CHAR(1),
  E13 CHAR(1),
  E14 CHAR(1),
  E15 CHAR(1),
  E16 CHAR(1),
  E17 CHAR(1),
  E18 CHAR(1),
  E19 CHAR(1),
  E20 CHAR(1),
  USA01 VARCHAR(10),
  USA02 VARCHAR(10),
  USA03 VARCHAR(10),
  USA04 VARCHAR(10),
  USA05 VARCHAR(10),
  USA06 VARCHAR(10),
  USA07 VARCHAR(10),
  USA08 VARCHAR(10),
  USA09 VARCHAR(10),
  USA10 VARCHAR(10),
  USA11 VARCHAR(10),
  USA12 VARCHAR(10),
  USA13 VARCHAR(10),
  USA14 VARCHAR(10),
  USA15 VARCHAR(10),
  USA16 VARCHAR(10),
  USA17 VARCHAR(10),
  USA18 VARCHAR(10),
  USA19 VARCHAR(10),
  USA20 VARCHAR(10),
  EUR01 VARCHAR(10),
  EUR02 VARCHAR(10),
  EUR03 VARCHAR(10),
  EUR04 VARCHAR(10),
  EUR05 VARCHAR(10),
  EUR06 VARCHAR(10),
  EUR07 VARCHAR(10),
  EUR08 VARCHAR(10),
  EUR09 VARCHAR(10),
  EUR10 VARCHAR(10),
  EUR11 VARCHAR(10),
  EUR12 VARCHAR(10),
  EUR13 VARCHAR(10),
  EUR14 VARCHAR(10),
  EUR15 VARCHAR(10),
  EUR16 VARCHAR(10),
  EUR17 VARCHAR(10),
  EUR18 VARCHAR(10),
  EUR19 VARCHAR(10),
  EUR20 VARCHAR(10)
);

CREATE TABLE TbModelo (
  Codigo INTEGER NOT NULL PRIMARY KEY,
  Descricao VARCHAR(50),
  Grade_Codigo INTEGER
);

CREATE TABLE TbCor (
  Codigo INTEGER NOT NULL PRIMARY KEY,
  Descricao VARCHAR(20),
  Abreviado VARCHAR(3)
);

CREATE TABLE TbProduto (
  Codigo INTEGER NOT NULL PRIMARY KEY,
  Descricao VARCHAR(100),
  Familia_Codigo INTEGER,
  Modelo_Codigo INTEGER,
  Cor_Codigo INTEGER,
  UnidadeMedida_Sigla VARCHAR(3),
  Grade_Codigo INTEGER
);
CREATE INDEX IxProduto_Modelo_Cor ON TbProduto (Modelo_Codigo, Cor_Codigo);

CREATE TABLE TbProduto_Ficha (
  Produto_Codigo INTEGER NOT NULL,
  Secao VARCHAR(20)
);
CREATE INDEX IxProduto_Ficha ON TbProduto_Ficha (Produto_Codigo);

CREATE TABLE TbProduto_Edi (
  Produto_Codigo INTEGER NOT NULL PRIMARY KEY,
  T01 VARCHAR(20),
  T02 VARCHAR(20),
  T03 VARCHAR(20),
  T04 VARCHAR(20),
  T05 VARCHAR(20),
  T06 VARCHAR(20),
  T07 VARCHAR(20),
  T08 VARCHAR(20),
  T09 VARCHAR(20),
  T10 VARCHAR(20),
  T11 VARCHAR(20),
  T12 VARCHAR(20),
  T13 VARCHAR(20),
  T14 VARCHAR(20),
  T15 VARCHAR(20),
  T16 VARCHAR(20),
  T17 VARCHAR(20),
  T18 VARCHAR(20),
  T19 VARCHAR(20),
  T20 VARCHAR(20)
);

CREATE TABLE TbRemessa_Acumulado (
  Remessa INTEGER NOT NULL,
  Produto_Codigo INTEGER NOT NULL,
  Familia_Codigo INTEGER NOT NULL,
  Linha_Codigo INTEGER,
  Modelo_Codigo INTEGER,
  Cor_Codigo INTEGER,
  Pedido SMALLINT,
  T01 NUMERIC(15,4),
  T02 NUMERIC(15,4),
  T03 NUMERIC(15,4),
  T04 NUMERIC(15,4),
  T05 NUMERIC(15,4),
  T06 NUMERIC(15,4),
  T07 NUMERIC(15,4),
  T08 NUMERIC(15,4),
  T09 NUMERIC(15,4),
  T10 NUMERIC(15,4),
  T11 NUMERIC(15,4),
  T12 NUMERIC(15,4),
  T13 NUMERIC(15,4),
  T14 NUMERIC(15,4),
  T15 NUMERIC(15,4),
  T16 NUMERIC(15,4),
  T17 NUMERIC(15,4),
  T18 NUMERIC(15,4),
  T19 NUMERIC(15,4),
  T20 NUMERIC(15,4),
  Quantidade NUMERIC(15,4),
  Valor NUMERIC(15,2),
  PRIMARY KEY (Remessa, Produto_Codigo)
);

CREATE TABLE TbNfe_Parcelamento (
  Controle INTEGER NOT NULL PRIMARY KEY,
  Remessa INTEGER
);
CREATE INDEX IxNfe_Parcelamento_Remessa ON TbNfe_Parcelamento (Remessa);

CREATE TABLE TbEsteira (
  Codigo INTEGER NOT NULL PRIMARY KEY,
  Descricao VARCHAR(20)
);

CREATE TABLE TbPedido (
  Pedido INTEGER NOT NULL PRIMARY KEY,
  Cliente_Codigo INTEGER
);

CREATE TABLE TbPedido_Item_Processado (
  Controle INTEGER NOT NULL PRIMARY KEY,
  Remessa INTEGER,
  Remessa_Acumulado_Controle INTEGER,
  Modelo_Codigo INTEGER,
  Cor_Id INTEGER,
  Tamanho INTEGER,
  Quantidade_Pedido NUMERIC(15,4),
  Situacao INTEGER,
  Peca_Conjunto SMALLINT,
  Hora_Producao TIMESTAMP,
  Esteira_Producao INTEGER,
  Pedido INTEGER,
  Estabelecimento_Codigo INTEGER
);
CREATE INDEX IxPedido_Item_Remessa ON TbPedido_Item_Processado (Remessa, Remessa_Acumulado_Controle, Modelo_Codigo);

CREATE TABLE TbSetor (
  Codigo INTEGER NOT NULL PRIMARY KEY,
  Descricao VARCHAR(20)
);

CREATE TABLE TbRemessa_Setor (
  Remessa INTEGER NOT NULL,
  Remessa_Acumulado_Id INTEGER NOT NULL,
  Talao_Id INTEGER NOT NULL,
  Ordem INTEGER NOT NULL,
  Setor_Id INTEGER NOT NULL,
  Data_Hora TIMESTAMP,
  PRIMARY KEY (Remessa, Remessa_Acumulado_Id, Talao_Id, Ordem)
);

CREATE TABLE TbRemessa_Consumo (
  Remessa INTEGER NOT NULL,
  Estabelecimento_Id INTEGER NOT NULL,
  Familia_Id INTEGER NOT NULL,
  Requisicao_Id INTEGER,
  Setor_Id INTEGER,
  Produto_Id INTEGER NOT NULL,
  Tamanho INTEGER NOT NULL,
  Consumo_Kg NUMERIC(15,4),
  Conferencia CHAR(1),
  Quantidade_Conferencia NUMERIC(15,4),
  DataHora_Conferencia TIMESTAMP
);
CREATE INDEX IxRemessa_Consumo ON TbRemessa_Consumo (Remessa, Setor_Id);

CREATE TABLE TbModelo_Producao_Cota (
  Modelo_Codigo INTEGER NOT NULL,
  Data DATE,
  Quantidade NUMERIC(10,5),
  T01 NUMERIC(10,5),
  T02 NUMERIC(10,5),
  T03 NUMERIC(10,5),
  T04 NUMERIC(10,5),
  T05 NUMERIC(10,5),
  T06 NUMERIC(10,5),
  T07 NUMERIC(10,5),
  T08 NUMERIC(10,5),
  T09 NUMERIC(10,5),
  T10 NUMERIC(10,5),
  T11 NUMERIC(10,5),
  T12 NUMERIC(10,5),
  T13 NUMERIC(10,5),
  T14 NUMERIC(10,5),
  T15 NUMERIC(10,5),
  T16 NUMERIC(10,5),
  T17 NUMERIC(10,5),
  T18 NUMERIC(10,5),
  T19 NUMERIC(10,5),
  T20 NUMERIC(10,5),
  Usuario_Codigo INTEGER
);
CREATE INDEX IxModelo_Producao_Cota ON TbModelo_Producao_Cota (Modelo_Codigo);

CREATE TABLE TbFluxo_Producao (
  Id INTEGER NOT NULL PRIMARY KEY,
  Descricao VARCHAR(60)
);

-- The flow of a model: colour 0 or size 0 means "every colour" or "every size".
CREATE TABLE TbModelo_Fluxo (
  Modelo_Codigo INTEGER NOT NULL,
  Cor_Codigo INTEGER DEFAULT 0 NOT NULL,
  Tamanho INTEGER DEFAULT 0 NOT NULL,
  Fluxo_Id INTEGER NOT NULL REFERENCES TbFluxo_Producao (Id),
  Ordem INTEGER NOT NULL,
  Tempo NUMERIC(15,4),
  Peca VARCHAR(20) DEFAULT '' NOT NULL
);
CREATE INDEX IxModelo_Fluxo ON TbModelo_Fluxo (Modelo_Codigo);

SET TERM ^ ;

-- The flow of one model, colour and size. The fourth input picks a variant of the flow
-- in the plant's suite; 0 is the standard flow, the only one kept here.
CREATE PROCEDURE SPU_MODELO_COR_TAMANHO_FLUXO (
  Modelo_Id INTEGER, Cor_Id INTEGER, Tamanho_Id INTEGER, Opcao INTEGER)
RETURNS (Fluxo_Id INTEGER, Ordem INTEGER, Tempo NUMERIC(15,4), Peca VARCHAR(20))
AS
BEGIN
  FOR SELECT F.Fluxo_Id, F.Ordem, F.Tempo, F.Peca
        FROM TbModelo_Fluxo F
       WHERE F.Modelo_Codigo = :Modelo_Id
         AND (F.Cor_Codigo = :Cor_Id OR F.Cor_Codigo = 0)
         AND (F.Tamanho = :Tamanho_Id OR F.Tamanho = 0)
         AND :Opcao = 0
       ORDER BY F.Peca, F.Ordem
      INTO :Fluxo_Id, :Ordem, :Tempo, :Peca
  DO
    SUSPEND;
END^

-- A text cut to Tamanho characters, its end marked with "..." when it was cut.
CREATE FUNCTION fn_elipse (Texto VARCHAR(1000), Tamanho INTEGER) RETURNS VARCHAR(1000)
AS
BEGIN
  IF (Texto IS NULL OR Tamanho IS NULL) THEN RETURN NULL;
  IF (CHAR_LENGTH(Texto) <= Tamanho) THEN RETURN Texto;
  IF (Tamanho <= 3) THEN RETURN LEFT(Texto, Tamanho);
  RETURN LEFT(Texto, Tamanho - 3) || '...';
END^

SET TERM ; ^

COMMIT;
