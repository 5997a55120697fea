CREATE TABLE _HG20596(公称压力PN TEXT, 公称通径DN REAL, 法兰外径D, 法兰颈N);
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 5000)
INSERT INTO _HG20596 SELECT '0.6', i % 50, printf('%.*c', i % 300, 'x'), zeroblob(i % 1000) FROM n;
