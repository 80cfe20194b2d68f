-- A large batch for benchmarks: run by scripts/make-large-db.sh, which puts the numbers
-- in place of @ORDERS@, @TICKETS@ (per order), @SECTORS@ (per ticket) and @FLOWSTEPS@.
-- The batch is 900000; models 1001..1005 share the size grid 33..44.
SET TERM ^ ;
EXECUTE BLOCK AS
  DECLARE orders INTEGER = @ORDERS@;
  DECLARE tickets INTEGER = @TICKETS@;
  DECLARE sectors INTEGER = @SECTORS@;
  DECLARE flowsteps INTEGER = @FLOWSTEPS@;
  DECLARE batch INTEGER = 900000;
  DECLARE o INTEGER;
  DECLARE t INTEGER;
  DECLARE s INTEGER;
  DECLARE m INTEGER;
  DECLARE c INTEGER;
  DECLARE ticket INTEGER = 1000000;
  DECLARE model INTEGER;
  DECLARE names VARCHAR(200) = 'CORTE;PRÉ-FABRICADO;COSTURA;PESPONTO;MONTAGEM;SOLADO;ACABAMENTO;REVISÃO;EXPEDIÇÃO;';
BEGIN
  INSERT INTO TbEmpresa (Codigo, NomeFantasia) VALUES (1, 'MERVATO CALÇADOS');
  INSERT INTO TbEmpresa (Codigo, NomeFantasia) VALUES (2, 'LOJAS AÇORIANA');
  INSERT INTO TbPedido (Pedido, Cliente_Codigo) VALUES (1, 2);
  INSERT INTO TbGrade (Codigo, Descricao, T01, T02, T03, T04, T05, T06, T07, T08, T09, T10, T11, T12)
    VALUES (1, 'ADULTO 33-44', '33', '34', '35', '36', '37', '38', '39', '40', '41', '42', '43', '44');
  INSERT INTO TbFamilia (Codigo, Descricao) VALUES (1, 'CALÇADO');
  INSERT INTO TbRemessa (Numero, Estabelecimento_Codigo, Data, Observacao, Data_Previsao, Empresa_Id)
    VALUES (:batch, 1, CURRENT_DATE, 'LOTE GRANDE', CURRENT_DATE + 30, 1);
  s = 1;
  WHILE (s <= sectors) DO
  BEGIN
    INSERT INTO TbSetor (Codigo, Descricao)
      VALUES (:s * 10, IIF(:s <= 9, SUBSTRING(:names FROM 1 FOR POSITION(';', :names) - 1), 'SETOR ' || :s));
    names = SUBSTRING(:names FROM POSITION(';', :names) + 1);
    s = s + 1;
  END
  c = 1;
  WHILE (c <= 3) DO
  BEGIN
    INSERT INTO TbCor (Codigo, Descricao, Abreviado)
      VALUES (:c, DECODE(:c, 1, 'PRETO', 2, 'CAFÉ', 'MARROM CONHAQUE'), DECODE(:c, 1, 'PRT', 2, 'CAF', 'MCN'));
    c = c + 1;
  END
  s = 1;
  WHILE (s <= flowsteps) DO
  BEGIN
    INSERT INTO TbFluxo_Producao (Id, Descricao) VALUES (:s, 'OPERAÇÃO DE PRODUÇÃO Nº ' || :s);
    s = s + 1;
  END
  m = 1;
  WHILE (m <= 5) DO
  BEGIN
    model = 1000 + m;
    INSERT INTO TbModelo (Codigo, Descricao, Grade_Codigo) VALUES (:model, 'MODELO ' || :model, 1);
    s = 1;
    WHILE (s <= flowsteps) DO
    BEGIN
      INSERT INTO TbModelo_Fluxo (Modelo_Codigo, Fluxo_Id, Ordem, Tempo, Peca) VALUES (:model, :s, :s, 0.125, 'A');
      s = s + 1;
    END
    c = 1;
    WHILE (c <= 3) DO
    BEGIN
      INSERT INTO TbProduto (Codigo, Descricao, Familia_Codigo, Modelo_Codigo, Cor_Codigo, UnidadeMedida_Sigla, Grade_Codigo)
        VALUES (:model * 10 + :c, 'MODELO ' || :model || ' COR ' || :c, 1, :model, :c, 'PAR', 1);
      INSERT INTO TbProduto_Edi (Produto_Codigo, T01, T02, T03, T04, T05, T06, T07, T08, T09, T10, T11, T12)
        VALUES (:model * 10 + :c, '78900' || :model || :c || '01', '78900' || :model || :c || '02', '78900' || :model || :c || '03',
                '78900' || :model || :c || '04', '78900' || :model || :c || '05', '78900' || :model || :c || '06',
                '78900' || :model || :c || '07', '78900' || :model || :c || '08', '78900' || :model || :c || '09',
                '78900' || :model || :c || '10', '78900' || :model || :c || '11', '78900' || :model || :c || '12');
      INSERT INTO TbRemessa_Acumulado (Remessa, Produto_Codigo, Familia_Codigo, Modelo_Codigo, Cor_Codigo, Pedido, T01, T12, Quantidade, Valor)
        VALUES (:batch, :model * 10 + :c, 1, :model, :c, 0, 12, 12, 24, 99.9);
      c = c + 1;
    END
    m = m + 1;
  END
  o = 1;
  WHILE (o <= orders) DO
  BEGIN
    t = 1;
    WHILE (t <= tickets) DO
    BEGIN
      ticket = ticket + 1;
      model = 1001 + MOD(t - 1, 5);
      INSERT INTO TbPedido_Item_Processado (Controle, Remessa, Remessa_Acumulado_Controle, Modelo_Codigo, Cor_Id, Tamanho,
          Quantidade_Pedido, Situacao, Peca_Conjunto, Esteira_Producao, Pedido, Estabelecimento_Codigo)
        VALUES (:ticket, :batch, :o, :model, 1 + MOD(:t, 3), 1 + MOD(:t, 12), 12, 1, 0, 1, MOD(:o, 2), 1);
      s = 1;
      WHILE (s <= sectors) DO
      BEGIN
        INSERT INTO TbRemessa_Setor (Remessa, Remessa_Acumulado_Id, Talao_Id, Ordem, Setor_Id)
          VALUES (:batch, :o, :ticket, :s, :s * 10);
        s = s + 1;
      END
      t = t + 1;
    END
    o = o + 1;
  END
END^
SET TERM ; ^
COMMIT;
